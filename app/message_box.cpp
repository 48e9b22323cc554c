#include "app/message_box.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <chrono>
#include <memory>

#include "app/qt_text.h"
#include "platform/lifetime.h"

namespace tumbrix {
namespace {

MessageResponder g_responder;

QMessageBox* make_box(const MessageRequest& request) {
    auto* box = new QMessageBox();  // ownerless, as the boxes of the system are
    box->setWindowTitle(to_qstring(request.title.empty() ? Text("信息：") : request.title));
    box->setText(to_qstring(request.text));
    box->setIcon(request.icon == MessageIcon::question ? QMessageBox::Question
                                                       : QMessageBox::NoIcon);
    if (request.buttons == 1) {
        box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box->setEscapeButton(QMessageBox::Cancel);
        box->button(QMessageBox::Cancel)->setText(QStringLiteral(u"取消"));
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
    }
    box->setDefaultButton(QMessageBox::Ok);
    box->button(QMessageBox::Ok)->setText(QStringLiteral(u"确定"));
    return box;
}

int answer_of(int result, int buttons) {
    if (result == QMessageBox::Ok) return 0;
    return dismissed_answer(buttons);
}

}  // namespace

int dismissed_answer(int buttons) {
    return buttons == 1 ? 1 : 0;
}

void set_message_responder(MessageResponder responder) {
    g_responder = std::move(responder);
}

int run_modal_message(const MessageRequest& request) {
    if (shutdown_requested()) return dismissed_answer(request.buttons);
    if (g_responder) return g_responder(request);
    std::unique_ptr<QMessageBox> box(make_box(request));
    box->setWindowModality(Qt::ApplicationModal);
    return answer_of(box->exec(), request.buttons);
}

QMessageBox* open_modeless_message(const MessageRequest& request,
                                   std::function<void(int)> answered) {
    if (g_responder) {
        answered(g_responder(request));
        return nullptr;
    }
    QMessageBox* box = make_box(request);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    // The box may end by a button, by its close button or by being deleted
    // at shutdown; only the first of these answers.
    auto pending = std::make_shared<std::function<void(int)>>(std::move(answered));
    auto answer_once = [pending](int answer) {
        if (!*pending) return;
        auto call = std::move(*pending);
        *pending = nullptr;
        call(answer);
    };
    const int buttons = request.buttons;
    QObject::connect(box, &QDialog::finished, box, [answer_once, buttons](int result) {
        answer_once(answer_of(result, buttons));
    });
    // The box is the one object certain to be gone here, so it cannot be the
    // context of its own end.
    QObject::connect(box, &QObject::destroyed, QCoreApplication::instance(),
                     [answer_once, buttons] { answer_once(dismissed_answer(buttons)); });
    box->show();
    return box;
}

void MessageAnswer::set(int answer) {
    std::lock_guard lock(mutex_);
    if (!answer_) answer_ = answer;
    answered_.notify_all();
}

int MessageAnswer::wait(int fallback) {
    std::unique_lock lock(mutex_);
    while (!answer_) {
        if (shutdown_requested()) return fallback;
        // Shutdown has no signal of its own; a short re-check keeps the exit prompt.
        answered_.wait_for(lock, std::chrono::milliseconds(20));
    }
    return *answer_;
}

}  // namespace tumbrix
