// Every control in a compound document, with ole32's own helpers as the container:
// OleCreate into a storage, OleSave, OleLoad and OleDraw; damaged storages; the storage
// protocol's states; one-call siting compared with step-by-step siting; and what the
// in-place interfaces answer for controls that have nothing to activate.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/host/TestContainer.h"
#include "TestSupport.h"
#include "frame/server/Catalogue.h"
#include "frame/server/ClassFactory.h"
#include "frame/base/Module.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {
namespace {

using namespace test;

// One row per control. The branding controls name one saved text property that the
// document round trip changes; the others keep no saved state.
struct DocumentRow {
    const CLSID* classId;
    const wchar_t* name;
    DISPID savedText;  // 0: no saved property
};

const DocumentRow documentRows[] = {
    {&CLSID_OVSplashScreen, L"OVSplashScreen", 0x68030009},  // ProductName
    {&CLSID_OVAboutBox, L"OVAboutBox", 0x68030006},          // ProductName
    {&CLSID_OVFileVersion, L"OVFileVersion", 0},
    {&CLSID_OVExtractIcon, L"OVExtractIcon", 0},
    {&CLSID_OVHelp, L"OVHelp", 0},
    {&CLSID_OVHyperLink, L"OVHyperLink", 0},
    {&CLSID_OVLinkedList, L"OVLinkedList", 0},
    {&CLSID_OVLocaleSettings, L"OVLocaleSettings", 0},
    {&CLSID_OVMath, L"OVMath", 0},
    {&CLSID_OVMemory, L"OVMemory", 0},
    {&CLSID_OVNumbers, L"OVNumbers", 0},
    {&CLSID_OVPower, L"OVPower", 0},
    {&CLSID_OVScreenModes, L"OVScreenModes", 0},
    {&CLSID_OVSpecialFolders, L"OVSpecialFolders", 0},
    {&CLSID_OVStack, L"OVStack", 0},
    {&CLSID_OVWindows, L"OVWindows", 0},
    {&CLSID_OVWinVersion, L"OVWinVersion", 0},
    {&CLSID_OVDiskInfo, L"OVDiskInfo", 0},
};

std::string nameOf(const DocumentRow& row) { return std::string(row.name, row.name + wcslen(row.name)); }

ComPtr<IUnknown> create(const DocumentRow& row) {
    ComPtr<IUnknown> object;
    EXPECT_EQ(S_OK, findClass(*row.classId)->create(IID_IUnknown, object.putVoid()));
    return object;
}

// The references a storage holds besides the caller's one.
ULONG referencesOf(IUnknown* object) {
    object->AddRef();
    return object->Release();
}

// ole32 creates the classes through CoCreateInstance: the catalogue's factories are
// registered with the apartment for the lifetime of the suite.
class ControlDocument : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        for (const DocumentRow& row : documentRows) {
            ComPtr<IUnknown> factory;
            ASSERT_EQ(S_OK, getClassObject(*row.classId, IID_IUnknown, factory.putVoid()));
            DWORD cookie = 0;
            ASSERT_EQ(S_OK, ::CoRegisterClassObject(*row.classId, factory.get(), CLSCTX_INPROC_SERVER,
                                                    REGCLS_MULTIPLEUSE, &cookie));
            cookies().push_back(cookie);
        }
    }
    static void TearDownTestSuite() {
        for (DWORD cookie : cookies()) ::CoRevokeClassObject(cookie);
        cookies().clear();
    }
    static std::vector<DWORD>& cookies() {
        static std::vector<DWORD> registered;
        return registered;
    }

    // A document in memory: the bytes live in the lock bytes, storages come and go.
    static ComPtr<ILockBytes> memoryBytes() {
        ComPtr<ILockBytes> bytes;
        EXPECT_EQ(S_OK, ::CreateILockBytesOnHGlobal(nullptr, TRUE, bytes.put()));
        return bytes;
    }
    static ComPtr<IStorage> newDocument(ILockBytes* bytes) {
        ComPtr<IStorage> storage;
        EXPECT_EQ(S_OK, ::StgCreateDocfileOnILockBytes(bytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                                       storage.put()));
        return storage;
    }
    static ComPtr<IStorage> openDocument(ILockBytes* bytes) {
        ComPtr<IStorage> storage;
        EXPECT_EQ(S_OK, ::StgOpenStorageOnILockBytes(bytes, nullptr, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, nullptr,
                                                     0, storage.put()));
        return storage;
    }
    static ComPtr<IStorage> documentWith(const std::vector<BYTE>* contents, REFCLSID classId) {
        ComPtr<IStorage> storage = newDocument(memoryBytes().get());
        ::WriteClassStg(storage.get(), classId);
        if (contents) {
            ComPtr<IStream> stream;
            EXPECT_EQ(S_OK, storage->CreateStream(L"Contents", STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                                  stream.put()));
            if (!contents->empty()) stream->Write(contents->data(), static_cast<ULONG>(contents->size()), nullptr);
        }
        return storage;
    }
    static std::vector<BYTE> contentsOf(IStorage* storage) {
        ComPtr<IStream> stream;
        EXPECT_EQ(S_OK, storage->OpenStream(L"Contents", nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.put()));
        return stream ? bytesOf(stream.get()) : std::vector<BYTE>{};
    }
    static std::wstring savedText(IUnknown* object, const DocumentRow& row) {
        Call got = invoke(ComPtr<IUnknown>(object).query<IDispatch>().get(), row.savedText, DISPATCH_PROPERTYGET, {});
        EXPECT_EQ(S_OK, got.result);
        return text(*got.value.get());
    }
    static bool sameCanvas(const Canvas& a, const Canvas& b) {
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                if (a.pixel(x, y) != b.pixel(x, y)) return false;
            }
        }
        return true;
    }
    static bool blank(const Canvas& canvas, DWORD fill) {
        for (int y = 0; y < canvas.height(); ++y) {
            for (int x = 0; x < canvas.width(); ++x) {
                if (canvas.pixel(x, y) != fill) return false;
            }
        }
        return true;
    }
    // The face a control sited step by step draws through IViewObject2.
    static void drawSitedStepByStep(const DocumentRow& row, bool userMode, Canvas& canvas) {
        ComPtr<IUnknown> object = create(row);
        auto site = ControlSite::create(userMode);
        object.query<IOleObject>()->SetClientSite(site.get());
        RECTL bounds{0, 0, canvas.width(), canvas.height()};
        EXPECT_EQ(S_OK, object.query<IViewObject2>()->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr,
                                                           canvas.dc(), &bounds, nullptr, nullptr, 0));
        object.query<IOleObject>()->SetClientSite(nullptr);
    }
};

TEST_F(ControlDocument, TheTableIsEveryControlOfTheCatalogue) {
    size_t controls = 0;
    for (const ClassEntry& entry : catalogue()) {
        if (entry.kind != ClassKind::Control) continue;
        ++controls;
        bool listed = false;
        for (const DocumentRow& row : documentRows) listed = listed || *row.classId == *entry.classId;
        EXPECT_TRUE(listed) << std::string(entry.name, entry.name + wcslen(entry.name));
    }
    EXPECT_EQ(18u, controls);
    EXPECT_EQ(18u, std::size(documentRows));
}

TEST_F(ControlDocument, CreatedSavedReloadedAndDrawnByOle) {
    long objectsBefore = module::liveObjects();
    const std::wstring changed = L"Document \x263A product";
    for (const DocumentRow& row : documentRows) {
        SCOPED_TRACE(nameOf(row));
        ComPtr<ILockBytes> bytes = memoryBytes();
        auto site = ControlSite::create(false);
        {
            ComPtr<IStorage> storage = newDocument(bytes.get());
            ComPtr<IOleObject> object;
            ASSERT_EQ(S_OK, ::OleCreate(*row.classId, IID_IOleObject, OLERENDER_DRAW, nullptr, site.get(),
                                        storage.get(), object.putVoid()));
            ComPtr<IOleClientSite> given;
            EXPECT_EQ(S_OK, object->GetClientSite(given.put()));
            EXPECT_EQ(static_cast<IOleClientSite*>(site.get()), given.get());
            given.reset();
            CLSID stored{};
            EXPECT_EQ(S_OK, ::ReadClassStg(storage.get(), &stored));
            EXPECT_TRUE(stored == *row.classId);

            auto persist = object.query<IPersistStorage>();
            ASSERT_TRUE(persist);
            EXPECT_EQ(S_FALSE, persist->IsDirty());
            if (row.savedText) {
                Bstr value(changed.c_str());
                EXPECT_EQ(S_OK, propertyPut(object.query<IDispatch>().get(), row.savedText, vText(value)).result);
                EXPECT_EQ(S_OK, persist->IsDirty());
            }
            EXPECT_EQ(S_OK, ::OleSave(persist.get(), storage.get(), TRUE));
            EXPECT_EQ(S_OK, persist->SaveCompleted(nullptr));
            EXPECT_EQ(S_FALSE, persist->IsDirty());
            EXPECT_EQ(S_OK, storage->Commit(STGC_DEFAULT));
            EXPECT_EQ(S_OK, object->Close(OLECLOSE_NOSAVE));
            EXPECT_EQ(S_OK, object->SetClientSite(nullptr));
        }
        EXPECT_EQ(objectsBefore, module::liveObjects());

        ComPtr<IStorage> storage = openDocument(bytes.get());
        ComPtr<IOleObject> object;
        ASSERT_EQ(S_OK, ::OleLoad(storage.get(), IID_IOleObject, site.get(), object.putVoid()));
        if (row.savedText) {
            EXPECT_EQ(changed, savedText(object.get(), row));
        }
        EXPECT_EQ(S_FALSE, object.query<IPersistStorage>()->IsDirty());
        // The stream inside holds the bytes the stream persistence writes.
        ComPtr<IStream> written = streamOf({});
        EXPECT_EQ(S_OK, object.query<IPersistStreamInit>()->Save(written.get(), FALSE));
        EXPECT_EQ(bytesOf(written.get()), contentsOf(storage.get()));
        if (!row.savedText) {
            EXPECT_TRUE(contentsOf(storage.get()).empty());
        }

        // Design time (the site's UserMode is False): the face, as IViewObject2 draws it.
        Canvas drawn(40, 30, 0x00123456), expected(40, 30, 0x00123456);
        RECT bounds{0, 0, 40, 30};
        EXPECT_EQ(S_OK, ::OleDraw(object.get(), DVASPECT_CONTENT, drawn.dc(), &bounds));
        drawSitedStepByStep(row, false, expected);
        EXPECT_FALSE(blank(drawn, 0x00123456));
        EXPECT_TRUE(sameCanvas(drawn, expected));

        // The loaded object holds its storage until the container takes it back.
        ULONG held = referencesOf(storage.get());
        EXPECT_EQ(S_OK, object.query<IPersistStorage>()->HandsOffStorage());
        EXPECT_EQ(held - 1, referencesOf(storage.get()));
        object->Close(OLECLOSE_NOSAVE);
        object->SetClientSite(nullptr);
    }
    EXPECT_EQ(objectsBefore, module::liveObjects());
}

TEST_F(ControlDocument, AMissingTruncatedOrForeignStreamFailsAndKeepsTheDefaults) {
    // A whole stream of the splash control, to cut short.
    std::vector<BYTE> whole;
    {
        ComPtr<IUnknown> splash = create(documentRows[0]);
        ComPtr<IStream> stream = streamOf({});
        ASSERT_EQ(S_OK, splash.query<IPersistStreamInit>()->Save(stream.get(), FALSE));
        whole = bytesOf(stream.get());
        ASSERT_GT(whole.size(), 40u);
    }
    const std::vector<BYTE> truncated(whole.begin(), whole.begin() + 20);
    const std::vector<BYTE> headerOnly(whole.begin(), whole.begin() + 6);
    const std::string foreignText = "{\\rtf1 not a control's properties}";
    const std::vector<BYTE> foreign(foreignText.begin(), foreignText.end());
    struct Damage {
        const char* what;
        const std::vector<BYTE>* contents;
        HRESULT expected;
    } damages[] = {
        {"missing", nullptr, STG_E_FILENOTFOUND},
        {"truncated", &truncated, STG_E_READFAULT},
        {"header cut", &headerOnly, STG_E_READFAULT},
        {"foreign", &foreign, E_FAIL},
    };
    long objectsBefore = module::liveObjects();
    for (const DocumentRow& row : documentRows) {
        for (const Damage& damage : damages) {
            SCOPED_TRACE(nameOf(row) + " " + damage.what);
            ComPtr<IStorage> storage = documentWith(damage.contents, *row.classId);
            ULONG references = referencesOf(storage.get());
            ComPtr<IUnknown> object = create(row);
            std::wstring before = row.savedText ? savedText(object.get(), row) : L"";
            auto persist = object.query<IPersistStorage>();
            EXPECT_EQ(damage.expected, persist->Load(storage.get()));
            EXPECT_EQ(references, referencesOf(storage.get()));
            if (row.savedText) {
                EXPECT_EQ(before, savedText(object.get(), row));
            }
            EXPECT_EQ(S_FALSE, persist->IsDirty());
            // Still uninitialised: a new document may be made in the same storage.
            EXPECT_EQ(S_OK, persist->InitNew(storage.get()));

            // The container's helper reports the same failure and hands out nothing.
            ComPtr<IOleObject> loaded;
            EXPECT_EQ(damage.expected, ::OleLoad(storage.get(), IID_IOleObject, nullptr, loaded.putVoid()));
            EXPECT_FALSE(loaded);
        }
    }
    EXPECT_EQ(objectsBefore, module::liveObjects());
}

TEST_F(ControlDocument, TheStorageProtocolStates) {
    for (const DocumentRow& row : documentRows) {
        SCOPED_TRACE(nameOf(row));
        ComPtr<IStorage> first = newDocument(memoryBytes().get());
        ComPtr<IStorage> second = newDocument(memoryBytes().get());
        ULONG firstAlone = referencesOf(first.get()), secondAlone = referencesOf(second.get());
        auto persist = create(row).query<IPersistStorage>();
        CLSID id{};
        EXPECT_EQ(S_OK, persist->GetClassID(&id));
        EXPECT_TRUE(id == *row.classId);

        // Uninitialised: nothing to save, complete or give back.
        EXPECT_EQ(E_UNEXPECTED, persist->Save(first.get(), TRUE));
        EXPECT_EQ(E_UNEXPECTED, persist->SaveCompleted(nullptr));
        EXPECT_EQ(E_UNEXPECTED, persist->HandsOffStorage());
        EXPECT_EQ(E_POINTER, persist->InitNew(nullptr));
        EXPECT_EQ(E_POINTER, persist->Load(nullptr));

        ASSERT_EQ(S_OK, persist->InitNew(first.get()));
        EXPECT_EQ(firstAlone + 1, referencesOf(first.get()));
        EXPECT_EQ(CO_E_ALREADYINITIALIZED, persist->InitNew(second.get()));
        EXPECT_EQ(CO_E_ALREADYINITIALIZED, persist->Load(second.get()));
        EXPECT_EQ(E_UNEXPECTED, persist->SaveCompleted(nullptr));  // no save to complete
        EXPECT_EQ(E_POINTER, persist->Save(nullptr, TRUE));

        // Save, then give the storage back before SaveCompleted: only a new one will do.
        EXPECT_EQ(S_OK, persist->Save(first.get(), TRUE));
        EXPECT_EQ(S_OK, persist->HandsOffStorage());
        EXPECT_EQ(firstAlone, referencesOf(first.get()));
        EXPECT_EQ(E_UNEXPECTED, persist->HandsOffStorage());
        EXPECT_EQ(E_UNEXPECTED, persist->Save(first.get(), TRUE));
        EXPECT_EQ(E_INVALIDARG, persist->SaveCompleted(nullptr));
        EXPECT_EQ(S_OK, persist->SaveCompleted(second.get()));
        EXPECT_EQ(secondAlone + 1, referencesOf(second.get()));

        // Hands off from the normal state, then the same storage handed back.
        EXPECT_EQ(S_OK, persist->HandsOffStorage());
        EXPECT_EQ(secondAlone, referencesOf(second.get()));
        EXPECT_EQ(E_INVALIDARG, persist->SaveCompleted(nullptr));
        EXPECT_EQ(S_OK, persist->SaveCompleted(second.get()));

        // Save into another storage, then keep the one it has.
        EXPECT_EQ(S_OK, persist->Save(first.get(), FALSE));
        EXPECT_EQ(S_OK, persist->Save(first.get(), FALSE));  // saving again before completion
        EXPECT_EQ(S_OK, persist->SaveCompleted(nullptr));
        EXPECT_EQ(secondAlone + 1, referencesOf(second.get()));
        EXPECT_EQ(firstAlone, referencesOf(first.get()));
        persist.reset();
        EXPECT_EQ(secondAlone, referencesOf(second.get()));
    }
}

// Dirtiness across the three kinds of save, on a control with every kind of property.
TEST_F(ControlDocument, SaveAsAndSaveACopyLeaveDirtinessAsTheProtocolSays) {
    ComPtr<ProbeControl> probe = ProbeControl::create();
    auto persist = ComPtr<ProbeControl>(probe).query<IPersistStorage>();
    ComPtr<IStorage> own = newDocument(memoryBytes().get());
    ComPtr<IStorage> other = newDocument(memoryBytes().get());
    ASSERT_EQ(S_OK, persist->InitNew(own.get()));

    probe->setCount(11);
    EXPECT_EQ(S_OK, persist->IsDirty());
    // Save a copy as: the object's own storage was not written, so it stays dirty.
    EXPECT_EQ(S_OK, persist->Save(other.get(), FALSE));
    EXPECT_EQ(S_OK, persist->SaveCompleted(nullptr));
    EXPECT_EQ(S_OK, persist->IsDirty());
    // Save as: clean once the new storage is handed over.
    EXPECT_EQ(S_OK, persist->Save(other.get(), FALSE));
    EXPECT_EQ(S_OK, persist->IsDirty());
    EXPECT_EQ(S_OK, persist->SaveCompleted(other.get()));
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    // A change between the save and its completion is not in the storage.
    probe->setCount(12);
    EXPECT_EQ(S_OK, persist->Save(own.get(), FALSE));
    probe->setCaption(L"after the save");
    EXPECT_EQ(S_OK, persist->SaveCompleted(own.get()));
    EXPECT_EQ(S_OK, persist->IsDirty());
    // Save into the storage it keeps: clean at once.
    EXPECT_EQ(S_OK, persist->Save(own.get(), TRUE));
    EXPECT_EQ(S_FALSE, persist->IsDirty());
    EXPECT_EQ(S_OK, persist->SaveCompleted(nullptr));

    // What is in the storage loads into a new control.
    ComPtr<ProbeControl> reloaded = ProbeControl::create();
    EXPECT_EQ(S_OK, ComPtr<ProbeControl>(reloaded).query<IPersistStorage>()->Load(own.get()));
    EXPECT_EQ(L"after the save", reloaded->caption);
    EXPECT_EQ(12, reloaded->count);
    EXPECT_EQ(PICTYPE_NONE, pictureType(reloaded->picture.get()));
}

// A client site and nothing else: no ambient properties to ask.
class BareSite final : public OneInterface<IOleClientSite> {
public:
    static ComPtr<BareSite> create() { return ComPtr<BareSite>::attach(new BareSite()); }
    STDMETHODIMP SaveObject() override { return S_OK; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker** moniker) override {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    STDMETHODIMP GetContainer(IOleContainer** container) override {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

private:
    BareSite() : OneInterface(IID_IOleClientSite) {}
};

TEST_F(ControlDocument, QuickActivateAnswersAsStepByStepSiting) {
    long objectsBefore = module::liveObjects();
    for (const DocumentRow& row : documentRows) {
        for (bool userMode : {false, true}) {
            SCOPED_TRACE(nameOf(row) + (userMode ? " at run time" : " at design time"));
            // Step by step: site, then the container asks for the status.
            ComPtr<IUnknown> stepped = create(row);
            auto steppedSite = ControlSite::create(userMode);
            stepped.query<IOleObject>()->SetClientSite(steppedSite.get());
            DWORD steppedMisc = 0;
            EXPECT_EQ(S_OK, stepped.query<IOleObject>()->GetMiscStatus(DVASPECT_CONTENT, &steppedMisc));
            DWORD steppedView = 0;  // what a container assumes without IViewObjectEx
            EXPECT_FALSE(stepped.query<IViewObjectEx>());

            ComPtr<IUnknown> quick = create(row);
            auto site = ControlSite::create(userMode);
            auto sink = RecordingSink::create();
            QACONTAINER container{};
            container.cbSize = sizeof(container);
            container.pClientSite = site.get();
            container.pPropertyNotifySink = sink.get();
            container.dwAmbientFlags = userMode ? QACONTAINER_USERMODE : 0;
            QACONTROL control{};
            control.cbSize = sizeof(control);
            control.dwViewStatus = 0xFFFF;
            auto activate = quick.query<IQuickActivate>();
            ASSERT_EQ(S_OK, activate->QuickActivate(&container, &control));
            EXPECT_EQ(sizeof(control), control.cbSize);
            EXPECT_EQ(steppedMisc, control.dwMiscStatus);
            EXPECT_EQ(steppedView, control.dwViewStatus);
            EXPECT_EQ(0u, control.dwEventCookie);
            EXPECT_EQ(0u, control.dwPointerActivationPolicy);
            EXPECT_NE(0u, control.dwPropNotifyCookie);
            ComPtr<IOleClientSite> given;
            quick.query<IOleObject>()->GetClientSite(given.put());
            EXPECT_EQ(static_cast<IOleClientSite*>(site.get()), given.get());
            given.reset();

            // The same face (design time) or nothing (run time).
            Canvas quickly(24, 24, 0x00ABCDEF), stepwise(24, 24, 0x00ABCDEF);
            RECT bounds{0, 0, 24, 24};
            EXPECT_EQ(S_OK, ::OleDraw(quick.get(), DVASPECT_CONTENT, quickly.dc(), &bounds));
            drawSitedStepByStep(row, userMode, stepwise);
            EXPECT_TRUE(sameCanvas(quickly, stepwise));
            EXPECT_EQ(userMode, blank(quickly, 0x00ABCDEF));

            // The sink is connected: changes reach it, and its cookie disconnects it.
            if (row.savedText) {
                Bstr value(L"told");
                propertyPut(quick.query<IDispatch>().get(), row.savedText, vText(value));
                EXPECT_EQ(std::vector<DISPID>{row.savedText}, sink->changes);
            }
            ComPtr<IConnectionPoint> point;
            ASSERT_EQ(S_OK, quick.query<IConnectionPointContainer>()->FindConnectionPoint(IID_IPropertyNotifySink,
                                                                                          point.put()));
            EXPECT_EQ(S_OK, point->Unadvise(control.dwPropNotifyCookie));

            // The content extent is the object's extent.
            SIZEL size{1234, 567}, back{};
            EXPECT_EQ(S_OK, activate->SetContentExtent(&size));
            EXPECT_EQ(S_OK, quick.query<IOleObject>()->GetExtent(DVASPECT_CONTENT, &back));
            EXPECT_EQ(1234, back.cx);
            EXPECT_EQ(567, back.cy);
            size = {-1, 2};
            EXPECT_EQ(E_INVALIDARG, activate->SetContentExtent(&size));
            EXPECT_EQ(S_OK, activate->GetContentExtent(&back));
            EXPECT_EQ(1234, back.cx);
            EXPECT_EQ(E_POINTER, activate->GetContentExtent(nullptr));

            quick.query<IOleObject>()->SetClientSite(nullptr);
            stepped.query<IOleObject>()->SetClientSite(nullptr);
        }
    }
    EXPECT_EQ(objectsBefore, module::liveObjects());
}

TEST_F(ControlDocument, QuickActivateWithoutAmbientsOrWithBadSizes) {
    for (const DocumentRow& row : documentRows) {
        SCOPED_TRACE(nameOf(row));
        ComPtr<IUnknown> object = create(row);
        auto activate = object.query<IQuickActivate>();
        auto site = BareSite::create();
        QACONTAINER container{};
        container.cbSize = sizeof(container);
        container.pClientSite = site.get();
        QACONTROL control{};
        control.cbSize = sizeof(control);
        EXPECT_EQ(E_POINTER, activate->QuickActivate(nullptr, &control));
        EXPECT_EQ(E_POINTER, activate->QuickActivate(&container, nullptr));
        control.cbSize = sizeof(control) - 4;
        EXPECT_EQ(E_INVALIDARG, activate->QuickActivate(&container, &control));
        control.cbSize = sizeof(control);
        container.cbSize = 8;
        EXPECT_EQ(E_INVALIDARG, activate->QuickActivate(&container, &control));
        ComPtr<IOleClientSite> given;
        object.query<IOleObject>()->GetClientSite(given.put());
        EXPECT_FALSE(given);

        // A container of an older size whose site has no ambients: the flags say design time.
        container.cbSize = offsetof(QACONTAINER, pBindHost) + sizeof(void*);
        EXPECT_EQ(S_OK, activate->QuickActivate(&container, &control));
        EXPECT_EQ(0x20591u, control.dwMiscStatus);
        Canvas canvas(16, 16, 0x00FFFFFF);
        RECT bounds{0, 0, 16, 16};
        EXPECT_EQ(S_OK, ::OleDraw(object.get(), DVASPECT_CONTENT, canvas.dc(), &bounds));
        EXPECT_FALSE(blank(canvas, 0x00FFFFFF));
        // Taking the site away forgets what that container said: run time again.
        object.query<IOleObject>()->SetClientSite(nullptr);
        Canvas after(16, 16, 0x00FFFFFF);
        EXPECT_EQ(S_OK, ::OleDraw(object.get(), DVASPECT_CONTENT, after.dc(), &bounds));
        EXPECT_TRUE(blank(after, 0x00FFFFFF));
    }
}

TEST_F(ControlDocument, NothingToActivateIsAnsweredNotFailed) {
    const IID added[] = {IID_IPersistStorage, IID_IOleInPlaceActiveObject, IID_IQuickActivate};
    const IID earlier[] = {IID_IOleObject, IID_IOleInPlaceObject, IID_IPersistStreamInit, IID_IViewObject2,
                           IID_IDispatch, IID_IPersist, IID_IOleWindow};
    for (const DocumentRow& row : documentRows) {
        SCOPED_TRACE(nameOf(row));
        ComPtr<IUnknown> object = create(row);
        ComPtr<IUnknown> identity = object.query<IUnknown>();
        for (const IID& from : added) {
            ComPtr<IUnknown> start;
            ASSERT_EQ(S_OK, object->QueryInterface(from, start.putVoid()));
            EXPECT_EQ(identity.get(), start.query<IUnknown>().get());
            for (const IID& to : added) EXPECT_TRUE(start->QueryInterface(to, ComPtr<IUnknown>().putVoid()) == S_OK);
            for (const IID& to : earlier) {
                ComPtr<IUnknown> reached;
                EXPECT_EQ(S_OK, start->QueryInterface(to, reached.putVoid()));
                EXPECT_EQ(identity.get(), reached.query<IUnknown>().get());
            }
        }
        // Drawn by its container through IViewObject: no data object is needed for that.
        EXPECT_FALSE(object.query<IDataObject>());

        auto active = object.query<IOleInPlaceActiveObject>();
        HWND window = reinterpret_cast<HWND>(1);
        EXPECT_EQ(E_FAIL, active->GetWindow(&window));
        EXPECT_EQ(nullptr, window);
        EXPECT_EQ(E_POINTER, active->GetWindow(nullptr));
        EXPECT_EQ(E_NOTIMPL, active->ContextSensitiveHelp(TRUE));
        MSG message{nullptr, WM_KEYDOWN, VK_TAB, 0, 0, {0, 0}};
        EXPECT_EQ(S_FALSE, active->TranslateAccelerator(&message));
        EXPECT_EQ(E_POINTER, active->TranslateAccelerator(nullptr));
        EXPECT_EQ(S_OK, active->OnFrameWindowActivate(TRUE));
        EXPECT_EQ(S_OK, active->OnDocWindowActivate(FALSE));
        RECT border{0, 0, 100, 100};
        EXPECT_EQ(S_OK, active->ResizeBorder(&border, nullptr, TRUE));
        EXPECT_EQ(E_POINTER, active->ResizeBorder(nullptr, nullptr, TRUE));
        EXPECT_EQ(S_OK, active->EnableModeless(FALSE));

        // UI activation is a known verb with no user interface to bring up, at either time.
        for (bool userMode : {false, true}) {
            auto site = ControlSite::create(userMode);
            auto ole = object.query<IOleObject>();
            ole->SetClientSite(site.get());
            RECT position{0, 0, 50, 50};
            EXPECT_EQ(OLEOBJ_S_CANNOT_DOVERB_NOW,
                      ole->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site.get(), 0, nullptr, &position));
            EXPECT_EQ(S_OK, ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site.get(), 0, nullptr, &position));
            EXPECT_EQ(S_OK, object.query<IOleInPlaceObject>()->UIDeactivate());
            EXPECT_EQ(S_OK, object.query<IOleInPlaceObject>()->InPlaceDeactivate());
            ole->SetClientSite(nullptr);
        }
    }
}

}  // namespace
}  // namespace orvane
