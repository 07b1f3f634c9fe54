// A control's saved properties bound to the members of its plain state struct: one row
// per property gives its name, dispatch identifier, default and the member that holds
// it, so the generic persistence code reads and assigns the state without knowing the
// control.
#pragma once

#include <cstddef>
#include <functional>
#include <initializer_list>
#include <variant>
#include <vector>

#include "frame/base/Errors.h"
#include "frame/base/Handles.h"
#include "frame/control/PersistedProperty.h"

namespace orvane {

// The Variant a row of each kind travels as, and the value taken back from one.
Variant persistedVariant(const Bstr& text);
Variant persistedVariant(long number);
Variant persistedVariant(const ComPtr<IPictureDisp>& picture);
void assignPersistedValue(Bstr& text, const VARIANT& value);
void assignPersistedValue(long& number, const VARIANT& value);
// Anything but an object holding a picture reads as Nothing.
void assignPersistedValue(ComPtr<IPictureDisp>& picture, const VARIANT& value);

template <class State>
class PersistedBinding {
public:
    using Member = std::variant<Bstr State::*, long State::*, ComPtr<IPictureDisp> State::*>;
    struct Row {
        PersistedProperty property;
        Member member;
    };

    // The store key is the property name unless one is given.
    static Row bind(const wchar_t* name, DISPID dispid, Bstr State::*member, const wchar_t* defaultText,
                    const wchar_t* key = nullptr) {
        return {PersistedProperty::text(name, dispid, defaultText, key), member};
    }
    static Row bind(const wchar_t* name, DISPID dispid, long State::*member, long defaultNumber,
                    const wchar_t* key = nullptr) {
        return {PersistedProperty::number(name, dispid, defaultNumber, key), member};
    }
    static Row bind(const wchar_t* name, DISPID dispid, ComPtr<IPictureDisp> State::*member,
                    const wchar_t* key = nullptr) {
        return {PersistedProperty::picture(name, dispid, key), member};
    }

    // The rows in the store's order.
    PersistedBinding(std::initializer_list<Row> rows) {
        for (const Row& row : rows) {
            properties_.push_back(row.property);
            members_.push_back(row.member);
        }
    }

    PersistedTable table() const noexcept { return properties_; }

    Variant read(const State& state, const PersistedProperty& row) const {
        return std::visit([&](auto member) { return persistedVariant(state.*member); }, memberOf(row));
    }
    void assign(State& state, const PersistedProperty& row, const VARIANT& value) const {
        std::visit([&](auto member) { assignPersistedValue(state.*member, value); }, memberOf(row));
    }

private:
    // The persistence code hands back rows of this table; any other is a fault.
    const Member& memberOf(const PersistedProperty& row) const {
        const PersistedProperty* first = properties_.data();
        const PersistedProperty* end = first + properties_.size();
        if (std::less<>{}(&row, first) || !std::less<>{}(&row, end)) raise(error::InternalError);
        return members_[static_cast<std::size_t>(&row - first)];
    }

    std::vector<PersistedProperty> properties_;
    std::vector<Member> members_;
};

}  // namespace orvane
