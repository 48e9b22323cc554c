#pragma once
// The pattern service: Perl-syntax expressions matched byte-wise over GBK
// text. "." matches every byte, CR and LF included; "^" and "$" also match at
// line breaks; the leftmost match wins and "*?" is lazy.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "text/text.h"

namespace tumbrix {

// One match: for the whole match (group 0) and each group, its byte offset
// from the start of the searched text, its length and whether it took part.
class SearchResult {
  public:
    struct Group {
        size_t offset = 0;
        size_t length = 0;
        bool matched = false;
    };

    bool matched() const { return !groups_.empty() && groups_[0].matched; }
    size_t group_count() const { return groups_.size(); }
    const Group& group(size_t n) const { return groups_.at(n); }

    // Group n cut out of `text`, which must be the text that was searched.
    // Empty when there was no match, the group did not take part or lies
    // outside the given text.
    Text submatch_text(std::string_view text, size_t n) const;

    std::vector<Group>& groups() { return groups_; }

  private:
    std::vector<Group> groups_;
};

class regex {
  public:
    regex();
    ~regex();
    regex(const regex&) = delete;
    regex& operator=(const regex&) = delete;

    // Compiles `pattern` (case-sensitive). When it does not compile, returns
    // false and the object keeps its previous expression.
    bool create(std::string_view pattern);
    const Text& pattern() const { return pattern_; }

    // The first match at or after the 1-based position `start`.
    SearchResult search(std::string_view text, int start = 1) const;
    // Every match in text order; each search starts where the previous match
    // ended, so matches never overlap and an empty match never repeats in place.
    std::vector<SearchResult> search_all(std::string_view text) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    Text pattern_;
};

}  // namespace tumbrix
