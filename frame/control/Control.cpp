#include "frame/control/Control.h"

#include <olectl.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <map>

#include "frame/automation/Dispatcher.h"

namespace orvane {

namespace {

constexpr LONG himetricPerInch = 2540;
constexpr LONG pixelsPerInch = 96;

LONG pixelsToHimetric(LONG pixels) { return ::MulDiv(pixels, himetricPerInch, pixelsPerInch); }

}  // namespace

ControlProtocol::~ControlProtocol() {
    if (notifyPoint_) notifyPoint_->detach();
    if (eventsPoint_) eventsPoint_->detach();
}

// The events interface is the coclass's default source in the type library.
const IID& ControlProtocol::eventsInterfaceOf(REFCLSID classId) {
    static std::map<CLSID, IID, bool (*)(const GUID&, const GUID&)> known(
        [](const GUID& a, const GUID& b) { return std::memcmp(&a, &b, sizeof(GUID)) < 0; });
    auto found = known.find(classId);
    if (found != known.end()) return found->second;
    IID events = GUID_NULL;
    ComPtr<ITypeInfo> coclass;
    ITypeLib* library = typeLibrary();
    TYPEATTR* attributes = nullptr;
    if (library && SUCCEEDED(library->GetTypeInfoOfGuid(classId, coclass.put())) &&
        SUCCEEDED(coclass->GetTypeAttr(&attributes))) {
        for (UINT index = 0; index < attributes->cImplTypes; ++index) {
            INT flags = 0;
            HREFTYPE reference = 0;
            ComPtr<ITypeInfo> source;
            TYPEATTR* sourceAttributes = nullptr;
            if (SUCCEEDED(coclass->GetImplTypeFlags(index, &flags)) &&
                (flags & (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) == (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) &&
                SUCCEEDED(coclass->GetRefTypeOfImplType(index, &reference)) &&
                SUCCEEDED(coclass->GetRefTypeInfo(reference, source.put())) &&
                SUCCEEDED(source->GetTypeAttr(&sourceAttributes))) {
                events = sourceAttributes->guid;
                source->ReleaseTypeAttr(sourceAttributes);
                break;
            }
        }
        coclass->ReleaseTypeAttr(attributes);
    }
    return known.emplace(classId, events).first->second;
}

void* ControlProtocol::queryProtocol(REFIID iid) noexcept {
    if (iid == IID_IOleObject) return static_cast<IOleObject*>(this);
    if (iid == IID_IOleControl) return static_cast<IOleControl*>(this);
    if (iid == IID_IProvideClassInfo2) return static_cast<IProvideClassInfo2*>(this);
    if (iid == IID_IConnectionPointContainer) return static_cast<IConnectionPointContainer*>(this);
    if (iid == IID_IViewObject || iid == IID_IViewObject2) return static_cast<IViewObject2*>(this);
    if (iid == IID_IOleInPlaceObject || iid == IID_IOleWindow) return static_cast<IOleInPlaceObject*>(this);
    if (iid == IID_IPersistPropertyBag) return static_cast<IPersistPropertyBag*>(this);
    if (iid == IID_IPersistStreamInit) return static_cast<IPersistStreamInit*>(this);
    if (iid == IID_IPersistStream) return static_cast<IPersistStream*>(this);
    if (iid == IID_IPersist) return static_cast<IPersistStreamInit*>(this);
    if (iid == IID_ISpecifyPropertyPages) return static_cast<ISpecifyPropertyPages*>(this);
    if (iid == IID_IPersistStorage) return static_cast<IPersistStorage*>(this);
    if (iid == IID_IOleInPlaceActiveObject) return static_cast<IOleInPlaceActiveObject*>(this);
    if (iid == IID_IQuickActivate) return static_cast<IQuickActivate*>(this);
    return nullptr;
}

void ControlProtocol::runInitProperties() {
    protocolInitProperties();
    dirty_ = false;
}

// ---- change notification ------------------------------------------------------

void ControlProtocol::propertyChanged(DISPID dispid) {
    dirty_ = true;
    changedSinceSave_ = true;
    if (freezeCount_ > 0) {
        if (std::find(heldNotifications_.begin(), heldNotifications_.end(), dispid) == heldNotifications_.end()) {
            heldNotifications_.push_back(dispid);
        }
        return;
    }
    deliver(dispid);
}

void ControlProtocol::deliver(DISPID dispid) {
    if (notifyPoint_) {
        notifyPoint_->fire([dispid](IUnknown* sink) { static_cast<IPropertyNotifySink*>(sink)->OnChanged(dispid); });
    }
    if (viewSink_) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
}

STDMETHODIMP ControlProtocol::FreezeEvents(BOOL freeze) {
    if (freeze) {
        ++freezeCount_;
        return S_OK;
    }
    if (freezeCount_ > 0 && --freezeCount_ == 0) {
        std::vector<DISPID> held;
        held.swap(heldNotifications_);
        for (DISPID dispid : held) deliver(dispid);
    }
    return S_OK;
}

// ---- siting and ambient properties ------------------------------------------------

void ControlProtocol::readAmbients() {
    userMode_ = statedUserMode_.value_or(true);
    if (!site_) return;
    ComPtr<IDispatch> ambients = site_.query<IDispatch>();
    if (!ambients) return;
    DISPPARAMS none{};
    Variant value;
    if (SUCCEEDED(ambients->Invoke(DISPID_AMBIENT_USERMODE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                   &none, value.get(), nullptr, nullptr)) &&
        SUCCEEDED(::VariantChangeType(value.get(), value.get(), 0, VT_BOOL))) {
        userMode_ = V_BOOL(value.get()) != VARIANT_FALSE;
    }
}

void ControlProtocol::attachSite(IOleClientSite* site, std::optional<bool> statedUserMode) {
    site_ = site;
    statedUserMode_ = site ? statedUserMode : std::nullopt;
    readAmbients();
}

STDMETHODIMP ControlProtocol::SetClientSite(IOleClientSite* site) {
    attachSite(site, std::nullopt);
    return S_OK;
}

STDMETHODIMP ControlProtocol::GetClientSite(IOleClientSite** site) {
    if (!site) return E_POINTER;
    *site = site_.copy();
    return S_OK;
}

STDMETHODIMP ControlProtocol::OnAmbientPropertyChange(DISPID dispid) {
    if (dispid == DISPID_AMBIENT_USERMODE || dispid == DISPID_UNKNOWN) {
        bool before = userMode_;
        readAmbients();
        if (before != userMode_ && viewSink_) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
    }
    return S_OK;
}

STDMETHODIMP ControlProtocol::GetControlInfo(CONTROLINFO* info) {
    if (!info) return E_POINTER;
    // No mnemonics and no keys of its own.
    info->hAccel = nullptr;
    info->cAccel = 0;
    info->dwFlags = 0;
    return S_OK;
}

STDMETHODIMP ControlProtocol::OnMnemonic(MSG*) { return S_OK; }

// ---- IOleObject ------------------------------------------------------------------

STDMETHODIMP ControlProtocol::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

STDMETHODIMP ControlProtocol::Close(DWORD saveOption) {
    if (saveOption == OLECLOSE_SAVEIFDIRTY && dirty_ && site_) site_->SaveObject();
    // PROMPTSAVE: a control has no user interface to ask with; it saves like SAVEIFDIRTY.
    if (saveOption == OLECLOSE_PROMPTSAVE && dirty_ && site_) site_->SaveObject();
    if (adviseHolder_) adviseHolder_->SendOnClose();
    viewSink_.reset();
    return S_OK;
}

STDMETHODIMP ControlProtocol::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

STDMETHODIMP ControlProtocol::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker) *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlProtocol::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

STDMETHODIMP ControlProtocol::GetClipboardData(DWORD, IDataObject** data) {
    if (data) *data = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP ControlProtocol::DoVerb(LONG verb, LPMSG, IOleClientSite*, LONG, HWND parent, LPCRECT) {
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_OPEN:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_HIDE:
        // Nothing to activate: the control has no window.
        return S_OK;
    case OLEIVERB_UIACTIVATE:
        // A valid verb, but with no window, menus or tools there is no user interface to
        // bring up: the object stays as it is and says so without failing.
        return OLEOBJ_S_CANNOT_DOVERB_NOW;
    case OLEIVERB_PROPERTIES: {
        std::span<const CLSID> pages = protocolPages();
        if (pages.empty()) return OLEOBJ_S_INVALIDVERB;
        IUnknown* self = static_cast<IOleObject*>(this);
        return ::OleCreatePropertyFrame(parent, 0, 0, nullptr, 1, &self, static_cast<ULONG>(pages.size()),
                                        const_cast<CLSID*>(pages.data()), LOCALE_USER_DEFAULT, 0, nullptr);
    }
    default:
        return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
}

STDMETHODIMP ControlProtocol::EnumVerbs(IEnumOLEVERB** verbs) {
    if (!verbs) return E_POINTER;
    return ::OleRegEnumVerbs(protocolClassId(), verbs);
}

STDMETHODIMP ControlProtocol::Update() { return S_OK; }
STDMETHODIMP ControlProtocol::IsUpToDate() { return S_OK; }

STDMETHODIMP ControlProtocol::GetUserClassID(CLSID* classId) {
    if (!classId) return E_POINTER;
    *classId = protocolClassId();
    return S_OK;
}

STDMETHODIMP ControlProtocol::GetUserType(DWORD form, LPOLESTR* type) {
    if (!type) return E_POINTER;
    *type = nullptr;
    const wchar_t* shortType = protocolUserType();
    if (!shortType) return ::OleRegGetUserType(protocolClassId(), form, type);
    std::wstring name = form == USERCLASSTYPE_FULL ? programmaticIdOf(shortType) : std::wstring(shortType);
    size_t bytes = (name.size() + 1) * sizeof(wchar_t);
    *type = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
    if (!*type) return E_OUTOFMEMORY;
    std::memcpy(*type, name.c_str(), bytes);
    return S_OK;
}

STDMETHODIMP ControlProtocol::SetExtent(DWORD aspect, SIZEL* size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (size->cx < 0 || size->cy < 0) return E_INVALIDARG;
    extent_ = *size;
    if (viewSink_) viewSink_->OnViewChange(DVASPECT_CONTENT, -1);
    return S_OK;
}

STDMETHODIMP ControlProtocol::GetExtent(DWORD aspect, SIZEL* size) {
    if (!size) return E_POINTER;
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (extent_.cx == 0 && extent_.cy == 0) {
        SIZE natural = naturalSize();
        extent_ = {pixelsToHimetric(natural.cx), pixelsToHimetric(natural.cy)};
    }
    *size = extent_;
    return S_OK;
}

STDMETHODIMP ControlProtocol::Advise(IAdviseSink* sink, DWORD* connection) {
    if (!sink || !connection) return E_POINTER;
    if (!adviseHolder_) {
        HRESULT created = ::CreateOleAdviseHolder(adviseHolder_.put());
        if (FAILED(created)) return created;
    }
    return adviseHolder_->Advise(sink, connection);
}

STDMETHODIMP ControlProtocol::Unadvise(DWORD connection) {
    return adviseHolder_ ? adviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

STDMETHODIMP ControlProtocol::EnumAdvise(IEnumSTATDATA** advises) {
    if (!advises) return E_POINTER;
    *advises = nullptr;
    return adviseHolder_ ? adviseHolder_->EnumAdvise(advises) : S_OK;
}

STDMETHODIMP ControlProtocol::GetMiscStatus(DWORD, DWORD* status) {
    if (!status) return E_POINTER;
    *status = controlMiscStatus;
    return S_OK;
}

STDMETHODIMP ControlProtocol::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

// ---- IProvideClassInfo2 ---------------------------------------------------------

STDMETHODIMP ControlProtocol::GetGUID(DWORD kind, GUID* guid) {
    if (!guid) return E_POINTER;
    *guid = GUID_NULL;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = eventsInterfaceOf(protocolClassId());
    return *guid == GUID_NULL ? E_UNEXPECTED : S_OK;
}

// ---- connection points ----------------------------------------------------------

void ControlProtocol::ensurePoints() {
    auto* container = static_cast<IConnectionPointContainer*>(this);
    if (!notifyPoint_) notifyPoint_ = ConnectionPoint::create(IID_IPropertyNotifySink, container);
    const IID& events = eventsInterfaceOf(protocolClassId());
    if (!eventsPoint_ && events != GUID_NULL) eventsPoint_ = ConnectionPoint::create(events, container);
}

STDMETHODIMP ControlProtocol::EnumConnectionPoints(IEnumConnectionPoints** points) {
    if (!points) return E_POINTER;
    *points = nullptr;
    try {
        ensurePoints();
        std::vector<ComPtr<IConnectionPoint>> list{ComPtr<IConnectionPoint>(notifyPoint_.get())};
        if (eventsPoint_) list.push_back(ComPtr<IConnectionPoint>(eventsPoint_.get()));
        *points = enumerateConnectionPoints(std::move(list)).detach();
        return S_OK;
    } catch (...) {
        return caughtResult();
    }
}

STDMETHODIMP ControlProtocol::FindConnectionPoint(REFIID iid, IConnectionPoint** point) {
    if (!point) return E_POINTER;
    *point = nullptr;
    try {
        ensurePoints();
    } catch (...) {
        return caughtResult();
    }
    if (iid == IID_IPropertyNotifySink) {
        *point = notifyPoint_.copy();
    } else if (eventsPoint_ && iid == eventsPoint_->interfaceId()) {
        *point = eventsPoint_.copy();
    } else {
        return CONNECT_E_NOCONNECTION;
    }
    return S_OK;
}

// ---- drawing --------------------------------------------------------------------

void ControlProtocol::drawFace(HDC dc, const RECT& bounds) {
    int resource = protocolToolboxBitmap();
    if (!resource) return;
    UniqueGdiObject bitmap(::LoadImageW(moduleHandle(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return;
    BITMAP shape{};
    ::GetObjectW(bitmap.get(), sizeof(shape), &shape);
    UniqueMemoryDc source(::CreateCompatibleDC(dc));
    if (!source) return;
    HGDIOBJ previous = ::SelectObject(source.get(), bitmap.get());
    int oldMode = ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, source.get(), 0,
                 0, shape.bmWidth, shape.bmHeight, SRCCOPY);
    ::SetStretchBltMode(dc, oldMode);
    ::SelectObject(source.get(), previous);
}

SIZE ControlProtocol::naturalSize() {
    SIZE size{0, 0};
    int resource = protocolToolboxBitmap();
    if (!resource) return size;
    UniqueGdiObject bitmap(::LoadImageW(moduleHandle(), MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, 0));
    BITMAP shape{};
    if (bitmap && ::GetObjectW(bitmap.get(), sizeof(shape), &shape)) size = {shape.bmWidth, shape.bmHeight};
    return size;
}

STDMETHODIMP ControlProtocol::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc, LPCRECTL bounds,
                                   LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
    if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
    if (!dc) return E_INVALIDARG;
    if (!bounds) return E_INVALIDARG;
    // Invisible at run time: nothing is drawn.
    if (userMode_) return S_OK;
    RECT rectangle{bounds->left, bounds->top, bounds->right, bounds->bottom};
    try {
        drawFace(dc, rectangle);
    } catch (...) {
        return caughtResult();
    }
    return S_OK;
}

STDMETHODIMP ControlProtocol::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
    if (!colors) return E_POINTER;
    *colors = nullptr;
    return S_FALSE;
}

STDMETHODIMP ControlProtocol::Freeze(DWORD, LONG, void*, DWORD* freeze) {
    if (freeze) *freeze = 0;
    return E_NOTIMPL;
}

STDMETHODIMP ControlProtocol::Unfreeze(DWORD) { return E_NOTIMPL; }

STDMETHODIMP ControlProtocol::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
    viewAspects_ = aspects;
    viewFlags_ = flags;
    viewSink_ = sink;
    return S_OK;
}

STDMETHODIMP ControlProtocol::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
    if (aspects) *aspects = viewAspects_;
    if (flags) *flags = viewFlags_;
    if (sink) *sink = viewSink_.copy();
    return S_OK;
}

STDMETHODIMP ControlProtocol::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
    return GetExtent(aspect, size);
}

// ---- IOleInPlaceObject ------------------------------------------------------------

STDMETHODIMP ControlProtocol::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = nullptr;
    return E_FAIL;
}

STDMETHODIMP ControlProtocol::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }
STDMETHODIMP ControlProtocol::InPlaceDeactivate() { return S_OK; }
STDMETHODIMP ControlProtocol::UIDeactivate() { return S_OK; }
STDMETHODIMP ControlProtocol::SetObjectRects(LPCRECT position, LPCRECT) { return position ? S_OK : E_POINTER; }
STDMETHODIMP ControlProtocol::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }

// ---- IOleInPlaceActiveObject ----------------------------------------------------------
// Never UI-active, so never the frame's active object: a container that asks anyway
// finds no key of ours to translate and nothing to place or disable.

STDMETHODIMP ControlProtocol::TranslateAccelerator(LPMSG message) { return message ? S_FALSE : E_POINTER; }
STDMETHODIMP ControlProtocol::OnFrameWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP ControlProtocol::OnDocWindowActivate(BOOL) { return S_OK; }
STDMETHODIMP ControlProtocol::ResizeBorder(LPCRECT border, IOleInPlaceUIWindow*, BOOL) {
    return border ? S_OK : E_POINTER;
}
STDMETHODIMP ControlProtocol::EnableModeless(BOOL) { return S_OK; }

// ---- IQuickActivate -----------------------------------------------------------------

namespace {
// Containers built with older headers pass a shorter QACONTAINER; everything up to the
// ambient flags is what this control reads.
constexpr ULONG smallestContainerInfo = offsetof(QACONTAINER, dwAmbientFlags) + sizeof(DWORD);
}  // namespace

// The steps a container would otherwise take one by one: site, view advise, the two
// connection points, then the status it would ask for.
STDMETHODIMP ControlProtocol::QuickActivate(QACONTAINER* container, QACONTROL* control) {
    if (!container || !control) return E_POINTER;
    if (container->cbSize < smallestContainerInfo || control->cbSize < sizeof(QACONTROL)) return E_INVALIDARG;
    ULONG size = control->cbSize;
    std::memset(control, 0, sizeof(QACONTROL));
    control->cbSize = size;
    try {
        attachSite(container->pClientSite, (container->dwAmbientFlags & QACONTAINER_USERMODE) != 0);
        if (container->pAdviseSink) SetAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
        ensurePoints();
        // A sink the point refuses leaves its cookie 0, as a refused Advise would.
        if (container->pPropertyNotifySink) {
            notifyPoint_->Advise(container->pPropertyNotifySink, &control->dwPropNotifyCookie);
        }
        if (container->pUnkEventSink && eventsPoint_) {
            eventsPoint_->Advise(container->pUnkEventSink, &control->dwEventCookie);
        }
    } catch (...) {
        return caughtResult();
    }
    GetMiscStatus(DVASPECT_CONTENT, &control->dwMiscStatus);
    // No IViewObjectEx, so no view status to state, as step-by-step siting would learn;
    // no IPointerInactive, so no activation policy.
    control->dwViewStatus = 0;
    control->dwPointerActivationPolicy = 0;
    return S_OK;
}

STDMETHODIMP ControlProtocol::SetContentExtent(LPSIZEL size) { return SetExtent(DVASPECT_CONTENT, size); }
STDMETHODIMP ControlProtocol::GetContentExtent(LPSIZEL size) { return GetExtent(DVASPECT_CONTENT, size); }

// ---- persistence ------------------------------------------------------------------

PersistedValues ControlProtocol::currentValues() const {
    PersistedTable table = protocolTable();
    PersistedValues values;
    values.reserve(table.size());
    for (const PersistedProperty& row : table) values.push_back(protocolRead(row));
    return values;
}

void ControlProtocol::commit(const PersistedValues& values) {
    PersistedTable table = protocolTable();
    for (size_t index = 0; index < table.size(); ++index) protocolAssign(table[index], *values[index].get());
}

STDMETHODIMP ControlProtocol::GetClassID(CLSID* classId) {
    if (!classId) return E_POINTER;
    *classId = protocolClassId();
    return S_OK;
}

STDMETHODIMP ControlProtocol::InitNew() {
    try {
        runInitProperties();
        return S_OK;
    } catch (...) {
        return reportCurrentException(protocolErrorSource());
    }
}

// Loading reads everything into a temporary first: a failure leaves the control as it was.
STDMETHODIMP ControlProtocol::Load(IPropertyBag* bag, IErrorLog* log) {
    if (!bag) return E_POINTER;
    try {
        PersistedValues values;
        HRESULT result = readPropertyBag(protocolTable(), bag, log, values);
        if (FAILED(result)) return result;
        if (!values.empty()) commit(values);
        dirty_ = false;
        return S_OK;
    } catch (...) {
        return reportCurrentException(protocolErrorSource());
    }
}

STDMETHODIMP ControlProtocol::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
    if (!bag) return E_POINTER;
    try {
        HRESULT result = writePropertyBag(protocolTable(), currentValues(), bag);
        if (SUCCEEDED(result) && clearDirty) dirty_ = false;
        return result;
    } catch (...) {
        return reportCurrentException(protocolErrorSource());
    }
}

STDMETHODIMP ControlProtocol::IsDirty() { return dirty_ ? S_OK : S_FALSE; }

STDMETHODIMP ControlProtocol::Load(IStream* stream) {
    if (!stream) return E_POINTER;
    try {
        PersistedValues values;
        HRESULT result = readStream(protocolTable(), stream, values);
        if (FAILED(result)) return result;
        if (!values.empty()) commit(values);
        dirty_ = false;
        return S_OK;
    } catch (...) {
        return reportCurrentException(protocolErrorSource());
    }
}

STDMETHODIMP ControlProtocol::Save(IStream* stream, BOOL clearDirty) {
    if (!stream) return E_POINTER;
    try {
        HRESULT result = writeStream(protocolTable(), currentValues(), stream);
        if (SUCCEEDED(result) && clearDirty) dirty_ = false;
        return result;
    } catch (...) {
        return reportCurrentException(protocolErrorSource());
    }
}

STDMETHODIMP ControlProtocol::GetSizeMax(ULARGE_INTEGER* size) {
    if (!size) return E_POINTER;
    try {
        return streamSize(protocolTable(), currentValues(), size);
    } catch (...) {
        return reportCurrentException(protocolErrorSource());
    }
}

// ---- IPersistStorage ----------------------------------------------------------------

STDMETHODIMP ControlProtocol::InitNew(IStorage* storage) {
    if (!storage) return E_POINTER;
    if (storageState_ != StorageState::None) return CO_E_ALREADYINITIALIZED;
    HRESULT result = InitNew();
    if (FAILED(result)) return result;
    storage_ = storage;
    storageState_ = StorageState::Normal;
    return S_OK;
}

// A stream that is missing, cut short or not ours fails the load and changes nothing;
// the object then stays uninitialised, so InitNew or another Load may follow.
STDMETHODIMP ControlProtocol::Load(IStorage* storage) {
    if (!storage) return E_POINTER;
    if (storageState_ != StorageState::None) return CO_E_ALREADYINITIALIZED;
    try {
        ComPtr<IStream> stream;
        HRESULT result = storage->OpenStream(storageStreamName, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                             stream.put());
        if (FAILED(result)) return result;
        PersistedValues values;
        result = readWholeStream(protocolTable(), stream.get(), values);
        if (FAILED(result)) return result;
        if (!values.empty()) commit(values);
        dirty_ = false;
        storage_ = storage;
        storageState_ = StorageState::Normal;
        return S_OK;
    } catch (...) {
        return reportCurrentException(protocolErrorSource());
    }
}

STDMETHODIMP ControlProtocol::Save(IStorage* storage, BOOL sameAsLoad) {
    if (!storage) return E_POINTER;
    if (storageState_ != StorageState::Normal && storageState_ != StorageState::NoScribble) return E_UNEXPECTED;
    try {
        ComPtr<IStream> stream;
        HRESULT result = storage->CreateStream(storageStreamName, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0,
                                               0, stream.put());
        if (FAILED(result)) return result;
        result = writeStream(protocolTable(), currentValues(), stream.get());
        if (FAILED(result)) return result;
        storageState_ = StorageState::NoScribble;
        // Saved into the storage the object keeps: clean now. Into another one ("save
        // as", "save a copy as"): clean only if SaveCompleted hands that one over.
        saveAsPending_ = !sameAsLoad;
        changedSinceSave_ = false;
        if (sameAsLoad) dirty_ = false;
        return S_OK;
    } catch (...) {
        return reportCurrentException(protocolErrorSource());
    }
}

STDMETHODIMP ControlProtocol::SaveCompleted(IStorage* newStorage) {
    switch (storageState_) {
    case StorageState::None:
    case StorageState::Normal:
        return E_UNEXPECTED;
    case StorageState::HandsOffAfterSave:
    case StorageState::HandsOffFromNormal:
        if (!newStorage) return E_INVALIDARG;
        break;
    case StorageState::NoScribble:
        break;
    }
    if (newStorage) {
        storage_ = newStorage;
        if (saveAsPending_ && !changedSinceSave_) dirty_ = false;
    }
    saveAsPending_ = false;
    storageState_ = StorageState::Normal;
    return S_OK;
}

STDMETHODIMP ControlProtocol::HandsOffStorage() {
    switch (storageState_) {
    case StorageState::Normal: storageState_ = StorageState::HandsOffFromNormal; break;
    case StorageState::NoScribble: storageState_ = StorageState::HandsOffAfterSave; break;
    default: return E_UNEXPECTED;
    }
    storage_.reset();
    return S_OK;
}

// ---- ISpecifyPropertyPages ---------------------------------------------------------

STDMETHODIMP ControlProtocol::GetPages(CAUUID* pages) {
    if (!pages) return E_POINTER;
    pages->cElems = 0;
    pages->pElems = nullptr;
    std::span<const CLSID> ids = protocolPages();
    if (ids.empty()) return S_OK;
    pages->pElems = static_cast<GUID*>(::CoTaskMemAlloc(ids.size() * sizeof(GUID)));
    if (!pages->pElems) return E_OUTOFMEMORY;
    std::copy(ids.begin(), ids.end(), pages->pElems);
    pages->cElems = static_cast<ULONG>(ids.size());
    return S_OK;
}

}  // namespace orvane
