#include "frame/automation/ConnectionPoint.h"

#include <olectl.h>

#include <new>

#include "frame/base/Errors.h"
#include "frame/base/Module.h"

namespace orvane {

namespace {

// A snapshot enumerator over a list of items; `Traits` knows how to hand one out.
template <class Enum, class Item, class Traits>
class SnapshotEnumerator final : public Enum {
public:
    explicit SnapshotEnumerator(std::vector<Item> items, size_t position = 0)
        : items_(std::move(items)), position_(position) { module::objectCreated(); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid != IID_IUnknown && iid != __uuidof(Enum)) return E_NOINTERFACE;
        *out = static_cast<Enum*>(this);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override {
        LONG remaining = ::InterlockedDecrement(&references_);
        if (remaining == 0) delete this;
        return static_cast<ULONG>(remaining);
    }
    STDMETHODIMP Next(ULONG wanted, typename Traits::Out* out, ULONG* fetched) override {
        if (!out || (wanted > 1 && !fetched)) return E_POINTER;
        ULONG count = 0;
        while (count < wanted && position_ < items_.size()) Traits::copy(items_[position_++], out[count++]);
        if (fetched) *fetched = count;
        return count == wanted ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) override {
        size_t left = items_.size() - position_;
        position_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() override {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(Enum** out) override {
        if (!out) return E_POINTER;
        *out = new (std::nothrow) SnapshotEnumerator(items_, position_);
        return *out ? S_OK : E_OUTOFMEMORY;
    }

private:
    ~SnapshotEnumerator() { module::objectDestroyed(); }
    LONG references_ = 1;
    std::vector<Item> items_;
    size_t position_;
};

struct ConnectionItem {
    DWORD cookie;
    ComPtr<IUnknown> sink;
};
struct ConnectionTraits {
    using Out = CONNECTDATA;
    static void copy(const ConnectionItem& item, CONNECTDATA& out) {
        out.pUnk = item.sink.copy();
        out.dwCookie = item.cookie;
    }
};
struct PointTraits {
    using Out = IConnectionPoint*;
    static void copy(const ComPtr<IConnectionPoint>& item, IConnectionPoint*& out) { out = item.copy(); }
};

}  // namespace

ComPtr<ConnectionPoint> ConnectionPoint::create(REFIID interfaceId, IConnectionPointContainer* container) {
    return ComPtr<ConnectionPoint>::attach(new ConnectionPoint(interfaceId, container));
}

ConnectionPoint::ConnectionPoint(REFIID interfaceId, IConnectionPointContainer* container)
    : interfaceId_(interfaceId), container_(container) {
    module::objectCreated();
}

ConnectionPoint::~ConnectionPoint() { module::objectDestroyed(); }

void ConnectionPoint::fire(const std::function<void(IUnknown*)>& each) {
    std::vector<ComPtr<IUnknown>> current;
    current.reserve(sinks_.size());
    for (const Sink& sink : sinks_) current.push_back(sink.pointer);
    for (const ComPtr<IUnknown>& sink : current) each(sink.get());
}

void ConnectionPoint::detach() noexcept {
    container_ = nullptr;
    std::vector<Sink> released;
    released.swap(sinks_);
}

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IConnectionPoint) return E_NOINTERFACE;
    *out = static_cast<IConnectionPoint*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ConnectionPoint::AddRef() { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }

STDMETHODIMP_(ULONG) ConnectionPoint::Release() {
    LONG remaining = ::InterlockedDecrement(&references_);
    if (remaining == 0) delete this;
    return static_cast<ULONG>(remaining);
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid) {
    if (!iid) return E_POINTER;
    *iid = interfaceId_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
    if (!container) return E_POINTER;
    *container = container_;
    if (!container_) return E_UNEXPECTED;
    container_->AddRef();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
    if (cookie) *cookie = 0;
    if (!sink || !cookie) return E_POINTER;
    if (!container_) return E_UNEXPECTED;
    ComPtr<IUnknown> pointer;
    // An events interface that is a dispinterface may be served by a plain IDispatch.
    if (FAILED(sink->QueryInterface(interfaceId_, pointer.putVoid())) &&
        (interfaceId_ == IID_IPropertyNotifySink || FAILED(sink->QueryInterface(IID_IDispatch, pointer.putVoid())))) {
        return CONNECT_E_CANNOTCONNECT;
    }
    try {
        sinks_.push_back({nextCookie_, pointer});
    } catch (...) {
        return caughtResult();
    }
    *cookie = nextCookie_++;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie) {
    for (auto sink = sinks_.begin(); sink != sinks_.end(); ++sink) {
        if (sink->cookie == cookie) {
            ComPtr<IUnknown> released = std::move(sink->pointer);
            sinks_.erase(sink);
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** connections) {
    if (!connections) return E_POINTER;
    *connections = nullptr;
    try {
        std::vector<ConnectionItem> items;
        for (const Sink& sink : sinks_) items.push_back({sink.cookie, sink.pointer});
        *connections = new SnapshotEnumerator<IEnumConnections, ConnectionItem, ConnectionTraits>(std::move(items));
        return S_OK;
    } catch (...) {
        return caughtResult();
    }
}

ComPtr<IEnumConnectionPoints> enumerateConnectionPoints(std::vector<ComPtr<IConnectionPoint>> points) {
    return ComPtr<IEnumConnectionPoints>::attach(
        new SnapshotEnumerator<IEnumConnectionPoints, ComPtr<IConnectionPoint>, PointTraits>(std::move(points)));
}

}  // namespace orvane
