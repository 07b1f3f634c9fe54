// The protocol every control speaks to a container: siting, ambient properties,
// design-time drawing, connection points, persistence and property pages. It is built
// once in ControlProtocol; Control<Derived, Interface> binds it to one class, which
// supplies only its property table, its accessors and, if it wants, its face.
#pragma once

#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <optional>
#include <span>
#include <type_traits>
#include <vector>

#include "frame/automation/ComObject.h"
#include "frame/automation/ConnectionPoint.h"
#include "frame/automation/Runtime.h"
#include "frame/base/Errors.h"
#include "frame/control/PersistedBinding.h"
#include "frame/control/PersistedProperty.h"

namespace orvane {

// OLEMISC_SETCLIENTSITEFIRST | INVISIBLEATRUNTIME | ACTIVATEWHENVISIBLE | INSIDEOUT |
// CANTLINKINSIDE | RECOMPOSEONRESIZE: registered for every control and answered by it.
constexpr DWORD controlMiscStatus = 0x20591;

class ControlProtocol : public IOleObject,
                        public IOleControl,
                        public IProvideClassInfo2,
                        public IConnectionPointContainer,
                        public IViewObject2,
                        public IOleInPlaceObject,
                        public IPersistPropertyBag,
                        public IPersistStreamInit,
                        public IPersistStream,
                        public ISpecifyPropertyPages,
                        public IPersistStorage,
                        public IOleInPlaceActiveObject,
                        public IQuickActivate {
public:
    // Whether the control runs in a host's running program (true) or sits on a form
    // being designed. Without a site, or when the site does not say, it is run time.
    bool userMode() const noexcept { return userMode_; }
    IOleClientSite* clientSite() const noexcept { return site_.get(); }
    bool isDirty() const noexcept { return dirty_; }
    bool eventsFrozen() const noexcept { return freezeCount_ > 0; }

    // The one path of every notifying setter, called after the new value is stored:
    // OnChanged(dispid) once on each connected IPropertyNotifySink, and the control
    // becomes dirty. While the container holds events frozen, the notification waits
    // and is sent (once per property, in order of first change) when it thaws.
    void propertyChanged(DISPID dispid);

    // Design-time face: by default the control's toolbox bitmap stretched over `bounds`.
    virtual void drawFace(HDC dc, const RECT& bounds);
    // The face's natural size in pixels (the toolbox bitmap's).
    virtual SIZE naturalSize();

    // IOleObject
    STDMETHODIMP SetClientSite(IOleClientSite* site) override;
    STDMETHODIMP GetClientSite(IOleClientSite** site) override;
    STDMETHODIMP SetHostNames(LPCOLESTR application, LPCOLESTR document) override;
    STDMETHODIMP Close(DWORD saveOption) override;
    STDMETHODIMP SetMoniker(DWORD which, IMoniker* moniker) override;
    STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
    STDMETHODIMP InitFromData(IDataObject* data, BOOL creation, DWORD reserved) override;
    STDMETHODIMP GetClipboardData(DWORD reserved, IDataObject** data) override;
    STDMETHODIMP DoVerb(LONG verb, LPMSG message, IOleClientSite* site, LONG index, HWND parent,
                        LPCRECT position) override;
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override;
    STDMETHODIMP Update() override;
    STDMETHODIMP IsUpToDate() override;
    STDMETHODIMP GetUserClassID(CLSID* classId) override;
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* type) override;
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override;
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* connection) override;
    STDMETHODIMP Unadvise(DWORD connection) override;
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advises) override;
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override;
    STDMETHODIMP SetColorScheme(LOGPALETTE* palette) override;

    // IOleControl
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override;
    STDMETHODIMP OnMnemonic(MSG* message) override;
    STDMETHODIMP OnAmbientPropertyChange(DISPID dispid) override;
    STDMETHODIMP FreezeEvents(BOOL freeze) override;

    // IProvideClassInfo2 (GetClassInfo comes from the class's own binding)
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override;

    // IConnectionPointContainer
    STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override;
    STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override;

    // IViewObject2
    STDMETHODIMP Draw(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device, HDC targetDevice,
                      HDC dc, LPCRECTL bounds, LPCRECTL windowBounds, BOOL(STDMETHODCALLTYPE* cont)(ULONG_PTR),
                      ULONG_PTR continueArgument) override;
    STDMETHODIMP GetColorSet(DWORD aspect, LONG index, void* aspectInfo, DVTARGETDEVICE* device,
                             HDC targetDevice, LOGPALETTE** colors) override;
    STDMETHODIMP Freeze(DWORD aspect, LONG index, void* aspectInfo, DWORD* freeze) override;
    STDMETHODIMP Unfreeze(DWORD freeze) override;
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override;
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override;
    STDMETHODIMP GetExtent(DWORD aspect, LONG index, DVTARGETDEVICE* device, LPSIZEL size) override;

    // IOleInPlaceObject and IOleInPlaceActiveObject: the control has no window of its
    // own; its face is drawn by the container through IViewObject.
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL enter) override;
    STDMETHODIMP InPlaceDeactivate() override;
    STDMETHODIMP UIDeactivate() override;
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override;
    STDMETHODIMP ReactivateAndUndo() override;

    // IPersist, IPersistPropertyBag, IPersistStreamInit and IPersistStream
    STDMETHODIMP GetClassID(CLSID* classId) override;
    STDMETHODIMP InitNew() override;
    STDMETHODIMP Load(IPropertyBag* bag, IErrorLog* log) override;
    STDMETHODIMP Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
    STDMETHODIMP IsDirty() override;
    STDMETHODIMP Load(IStream* stream) override;
    STDMETHODIMP Save(IStream* stream, BOOL clearDirty) override;
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override;

    // ISpecifyPropertyPages
    STDMETHODIMP GetPages(CAUUID* pages) override;

    // IPersistStorage: the stream form of IPersistStreamInit in one stream of the storage.
    STDMETHODIMP InitNew(IStorage* storage) override;
    STDMETHODIMP Load(IStorage* storage) override;
    STDMETHODIMP Save(IStorage* storage, BOOL sameAsLoad) override;
    STDMETHODIMP SaveCompleted(IStorage* newStorage) override;
    STDMETHODIMP HandsOffStorage() override;

    // IOleInPlaceActiveObject (GetWindow and ContextSensitiveHelp are shared above)
    STDMETHODIMP TranslateAccelerator(LPMSG message) override;
    STDMETHODIMP OnFrameWindowActivate(BOOL activate) override;
    STDMETHODIMP OnDocWindowActivate(BOOL activate) override;
    STDMETHODIMP ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window, BOOL frameWindow) override;
    STDMETHODIMP EnableModeless(BOOL enable) override;

    // IQuickActivate
    STDMETHODIMP QuickActivate(QACONTAINER* container, QACONTROL* control) override;
    STDMETHODIMP SetContentExtent(LPSIZEL size) override;
    STDMETHODIMP GetContentExtent(LPSIZEL size) override;

    // The stream inside a document's storage that holds the properties.
    static constexpr const wchar_t* storageStreamName = L"Contents";

protected:
    ControlProtocol() = default;
    virtual ~ControlProtocol();

    // What the class binding supplies.
    virtual const CLSID& protocolClassId() const noexcept = 0;
    virtual const std::wstring& protocolErrorSource() const = 0;
    virtual int protocolToolboxBitmap() const noexcept = 0;
    virtual const wchar_t* protocolUserType() const noexcept = 0;
    virtual PersistedTable protocolTable() const noexcept = 0;
    virtual std::span<const CLSID> protocolPages() const noexcept = 0;
    virtual Variant protocolRead(const PersistedProperty& row) const = 0;
    virtual void protocolAssign(const PersistedProperty& row, const VARIANT& value) = 0;
    virtual void protocolInitProperties() = 0;

    // Answers the protocol's interfaces (null for any other).
    void* queryProtocol(REFIID iid) noexcept;
    // The InitProperties lifecycle event, also run at creation so that a control no
    // host initialises behaves as a new one.
    void runInitProperties();

private:
    PersistedValues currentValues() const;
    void commit(const PersistedValues& values);
    void readAmbients();
    void attachSite(IOleClientSite* site, std::optional<bool> statedUserMode);
    void ensurePoints();
    void deliver(DISPID dispid);
    static const IID& eventsInterfaceOf(REFCLSID classId);

    ComPtr<IOleClientSite> site_;
    ComPtr<IOleAdviseHolder> adviseHolder_;
    ComPtr<IAdviseSink> viewSink_;
    DWORD viewAspects_ = 0;
    DWORD viewFlags_ = 0;
    ComPtr<ConnectionPoint> notifyPoint_;
    ComPtr<ConnectionPoint> eventsPoint_;
    std::vector<DISPID> heldNotifications_;
    SIZEL extent_{0, 0};  // HIMETRIC; zero until the first request
    // What a container said in QuickActivate, for when its site has no ambients to ask.
    std::optional<bool> statedUserMode_;
    // The storage protocol's states: no storage yet; holding one and free to write it;
    // saved and waiting for SaveCompleted; storage taken back after a save or without one.
    enum class StorageState { None, Normal, NoScribble, HandsOffAfterSave, HandsOffFromNormal };
    StorageState storageState_ = StorageState::None;
    ComPtr<IStorage> storage_;
    // A save into another storage clears dirtiness only when SaveCompleted hands that
    // storage over, and only if nothing changed in between.
    bool saveAsPending_ = false;
    bool changedSinceSave_ = false;
    LONG freezeCount_ = 0;
    bool userMode_ = true;
    bool dirty_ = false;
};

// The state of a control that saves no properties.
struct NoPersistedState {};

// A control with saved properties keeps them in State, a plain struct, and names them in
// `static const PersistedBinding<State>& persistedBinding()`: the table, reading and
// assigning below then need nothing more from it.
template <class Derived, class Interface, class State = NoPersistedState>
class Control : public ComObject<Derived, Interface>, public ControlProtocol {
    using Object = ComObject<Derived, Interface>;
    static constexpr bool keepsState = !std::is_same_v<State, NoPersistedState>;

public:
    static PersistedTable persistedProperties() noexcept(!keepsState) {
        if constexpr (keepsState) return Derived::persistedBinding().table();
        else return {};
    }
    // A control that lists property pages hides this.
    static std::span<const CLSID> propertyPageIds() noexcept { return {}; }
    // A control of the library hides these beside its class name: the resource number of
    // its toolbox bitmap (the design-time face; 0 for none) and its short user type (the
    // long one is its programmatic identifier; null: the registry answers).
    static constexpr int toolboxBitmap = 0;
    static constexpr const wchar_t* userType = nullptr;

    // Direct access to the stored state for the generic persistence code: no side
    // effect, no notification. A control with a table of its own making hides both.
    Variant persistedValue(const PersistedProperty& row) const {
        if constexpr (keepsState) return Derived::persistedBinding().read(state_, row);
        else return Variant();
    }
    void assignPersisted(const PersistedProperty& row, const VARIANT& value) {
        if constexpr (keepsState) Derived::persistedBinding().assign(state_, row, value);
    }
    // InitProperties: every row takes its default. A control whose first values differ
    // from its store defaults (an empty picture for Nothing) hides this.
    void initProperties() {
        for (const PersistedProperty& row : Derived::persistedProperties()) {
            static_cast<Derived*>(this)->assignPersisted(row, *defaultValue(row).get());
        }
    }

    // Initialize, then InitProperties: an instance nobody initialises is a new one.
    static ComPtr<Derived> create() {
        ComPtr<Derived> object = Object::create();
        object->runInitProperties();
        return object;
    }

    void* queryExtra(REFIID iid) noexcept { return queryProtocol(iid); }

    // IUnknown, once for every interface of the object.
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override { return Object::QueryInterface(iid, out); }
    STDMETHODIMP_(ULONG) AddRef() override { return Object::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return Object::Release(); }
    // IProvideClassInfo and IProvideClassInfo2 share one answer.
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override { return Object::GetClassInfo(info); }

protected:
    // Accessors of the usual shape: a getter hands out a copy of the stored value; a
    // setter stores the new one, then announces the property.
    HRESULT getStored(const Bstr& stored, BSTR* result) {
        return this->call([&] {
            *required(result) = nullptr;
            *result = runtime::allocText(runtime::bstrText(stored.get()));
        });
    }
    HRESULT setStored(Bstr& stored, BSTR value, DISPID member) {
        return this->call([&] {
            stored = Bstr(value, ::SysStringLen(value));
            propertyChanged(member);
        });
    }
    HRESULT getStored(long stored, long* result) {
        return this->call([&] { *required(result) = stored; });
    }
    HRESULT setStored(long& stored, long value, DISPID member) {
        return this->call([&] {
            stored = value;
            propertyChanged(member);
        });
    }

    State state_;

    const CLSID& protocolClassId() const noexcept override { return Derived::classId(); }
    const std::wstring& protocolErrorSource() const override { return Object::errorSource(); }
    int protocolToolboxBitmap() const noexcept override { return Derived::toolboxBitmap; }
    const wchar_t* protocolUserType() const noexcept override { return Derived::userType; }
    PersistedTable protocolTable() const noexcept override { return Derived::persistedProperties(); }
    std::span<const CLSID> protocolPages() const noexcept override { return Derived::propertyPageIds(); }
    Variant protocolRead(const PersistedProperty& row) const override {
        return static_cast<const Derived*>(this)->persistedValue(row);
    }
    void protocolAssign(const PersistedProperty& row, const VARIANT& value) override {
        static_cast<Derived*>(this)->assignPersisted(row, value);
    }
    void protocolInitProperties() override { static_cast<Derived*>(this)->initProperties(); }
};

}  // namespace orvane
