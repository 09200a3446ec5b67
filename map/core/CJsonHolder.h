#pragma once

#include <map>

#include "ui/core/UiChar.h"

// The flat JSON objects the web-view page and the program exchange: one
// level, every value a string. Entries are kept in key order (plain
// code-unit comparison), and each carries the text written after its
// value, which is how the separating commas get in.
//
// Nothing is escaped either way: the program's own values never need it,
// and only such flat objects of plain strings are read.
class CJsonHolder {
public:
    virtual ~CJsonHolder() = default;

    // Adds the entry, or replaces the one with that key.
    void Set(const UiString& key, const UiString& value, const UiString& trailer);
    void Clear() { entries_.clear(); }
    // The value under key; a missing key reads empty and is added so.
    UiString Value(const UiString& key);

    // "{", then "\"key\":\"value\"" and its trailer per entry, then "}".
    UiString Serialize() const;
    // Reads the string members of a flat object into the map, beside what
    // it holds already. Braces, commas and colons inside strings are
    // dropped; members whose value is not a string are skipped.
    void Parse(UiStringView text);

private:
    struct Entry {
        UiString value;
        UiString trailer;
    };
    std::map<UiString, Entry> entries_;
};
