#include "map/core/CJsonHolder.h"

namespace {

// Where the reader stands in the text.
enum class ParseState { Outside, ExpectKey, InKey, AfterKey, ExpectValue, InValue, AfterValue };

}  // namespace

void CJsonHolder::Set(const UiString& key, const UiString& value, const UiString& trailer) {
    entries_[key] = Entry{value, trailer};
}

UiString CJsonHolder::Value(const UiString& key) { return entries_[key].value; }

UiString CJsonHolder::Serialize() const {
    UiString text = UI_TEXT("{");
    for (const auto& [key, entry] : entries_) {
        text += UI_TEXT("\"") + key + UI_TEXT("\":\"") + entry.value + UI_TEXT("\"") + entry.trailer;
    }
    text += UI_TEXT("}");
    return text;
}

void CJsonHolder::Parse(UiStringView text) {
    ParseState state = ParseState::Outside;
    UiString key;
    UiString value;
    for (const UiChar c : text) {
        switch (c) {
        case UI_TEXT('{'):
            state = ParseState::ExpectKey;
            break;
        case UI_TEXT('"'):
            if (state == ParseState::ExpectKey) state = ParseState::InKey;
            else if (state == ParseState::InKey) state = ParseState::AfterKey;
            else if (state == ParseState::ExpectValue) state = ParseState::InValue;
            else if (state == ParseState::InValue) state = ParseState::AfterValue;
            break;
        case UI_TEXT(':'):
            if (state == ParseState::AfterKey) state = ParseState::ExpectValue;
            break;
        case UI_TEXT(','):
            if (state == ParseState::AfterValue) {
                Set(key, value, UI_TEXT(","));
                key.clear();
                value.clear();
                state = ParseState::ExpectKey;
            } else if (state == ParseState::ExpectValue) {
                // A value that is no string (a number, say) is skipped
                // with its key, so the next member starts clean.
                key.clear();
                state = ParseState::ExpectKey;
            }
            break;
        case UI_TEXT('}'):
            if (state == ParseState::AfterValue) {
                Set(key, value, UiString());
                key.clear();
                value.clear();
                state = ParseState::Outside;
            } else if (state == ParseState::ExpectKey) {
                state = ParseState::Outside;
            }
            break;
        default:
            if (state == ParseState::InKey) key.push_back(c);
            else if (state == ParseState::InValue) value.push_back(c);
            break;
        }
    }
}
