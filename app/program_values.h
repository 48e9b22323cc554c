#pragma once
// The process-wide values: prepared before the window opens, released by the
// exit action when the program ends.
namespace tumbrix {

// Numbers 0, texts and text lists empty.
void prepare_process_values();
// The exit action: releases every process-wide text and text list.
void release_process_values();

}  // namespace tumbrix
