// One outgoing interface of an object: sinks connected by Advise, kept as the
// interface pointer their QueryInterface for that IID returned.
#pragma once

#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <vector>

#include "frame/base/Handles.h"

namespace orvane {

class ConnectionPoint final : public IConnectionPoint {
public:
    // `container` is not referenced: its owner calls detach() before it goes away.
    static ComPtr<ConnectionPoint> create(REFIID interfaceId, IConnectionPointContainer* container);

    const IID& interfaceId() const noexcept { return interfaceId_; }
    // Calls `each` once for every sink connected now (a copy of the list, so a sink may
    // disconnect itself or others while it is called). The pointer is of interfaceId().
    void fire(const std::function<void(IUnknown*)>& each);
    size_t connectionCount() const noexcept { return sinks_.size(); }
    // The container is going away: later calls fail and every sink is let go.
    void detach() noexcept;

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IConnectionPoint
    STDMETHODIMP GetConnectionInterface(IID* iid) override;
    STDMETHODIMP GetConnectionPointContainer(IConnectionPointContainer** container) override;
    STDMETHODIMP Advise(IUnknown* sink, DWORD* cookie) override;
    STDMETHODIMP Unadvise(DWORD cookie) override;
    STDMETHODIMP EnumConnections(IEnumConnections** connections) override;

private:
    ConnectionPoint(REFIID interfaceId, IConnectionPointContainer* container);
    ~ConnectionPoint();

    struct Sink {
        DWORD cookie;
        ComPtr<IUnknown> pointer;
    };
    LONG references_ = 1;
    IID interfaceId_;
    IConnectionPointContainer* container_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
};

// IEnumConnectionPoints over a fixed list of points (the container's).
ComPtr<IEnumConnectionPoints> enumerateConnectionPoints(std::vector<ComPtr<IConnectionPoint>> points);

}  // namespace orvane
