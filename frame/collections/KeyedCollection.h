// The pattern the three keyed collection classes share: a private runtime Collection
// that holds records of one class, indexed by position or key, enumerable with For Each.
#pragma once

#include "frame/automation/Collection.h"
#include "frame/automation/ComObject.h"
#include "frame/automation/Runtime.h"

namespace orvane {

template <class Derived, class Interface, class RecordInterface>
class KeyedCollection : public ComObject<Derived, Interface> {
public:
    STDMETHODIMP get_Item(VARIANT* vntIndexKey, RecordInterface** result) override {
        return this->call([&] {
            *required(result) = nullptr;
            Variant found = items_->item(*required(vntIndexKey));
            *result = recordOf(found);
        });
    }
    STDMETHODIMP get_Count(long* result) override {
        return this->call([&] { *required(result) = items_->count(); });
    }
    STDMETHODIMP Remove(VARIANT* vntIndexKey) override {
        return this->call([&] { items_->remove(*required(vntIndexKey)); });
    }
    STDMETHODIMP get_NewEnum(IUnknown** result) override {
        return this->call([&] {
            required(result);  // before the enumerator exists, so that a null pointer leaks nothing
            *result = items_->newEnum().detach();
        });
    }

    long count() const noexcept { return items_->count(); }

protected:
    // Stores a new record, under sKey when that is a non-empty text, and hands it out.
    template <class Record>
    void append(const ComPtr<Record>& record, BSTR* sKey, RecordInterface** result) {
        *required(result) = nullptr;
        Variant item;
        V_VT(item.get()) = VT_DISPATCH;
        V_DISPATCH(item.get()) = static_cast<IDispatch*>(record.copy());
        if (sKey && ::SysStringLen(*sKey) > 0) {
            items_->add(*item.get(), runtime::bstrText(*sKey));
        } else {
            items_->add(*item.get());
        }
        *result = static_cast<RecordInterface*>(record.copy());
    }

private:
    static RecordInterface* recordOf(const Variant& item) {
        RecordInterface* record = nullptr;
        if (V_VT(item.get()) == VT_DISPATCH && V_DISPATCH(item.get())) {
            V_DISPATCH(item.get())->QueryInterface(__uuidof(RecordInterface), reinterpret_cast<void**>(&record));
        }
        return record;
    }

    ComPtr<Collection> items_ = Collection::create();
};

}  // namespace orvane
