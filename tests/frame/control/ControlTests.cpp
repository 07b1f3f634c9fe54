// Every control of the catalogue in the test container: the protocol interfaces,
// miscellaneous status, run-time invisibility, the design-time face, connection
// points, and persistence of controls that keep no properties.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/host/TestContainer.h"
#include "frame/server/Catalogue.h"
#include "frame/base/Module.h"
#include "frame/OrvaneSuite_h.h"

namespace orvane {
namespace {

using namespace test;

std::vector<const ClassEntry*> creatableControls() {
    std::vector<const ClassEntry*> controls;
    for (const ClassEntry& entry : catalogue()) {
        if (entry.kind == ClassKind::Control && entry.create) controls.push_back(&entry);
    }
    return controls;
}

// The splash and About controls keep saved properties, list design pages and draw their
// own faces; their tests in tests/branding cover those. The catalogue-wide checks below
// hold for them only where they say so.
bool isBranding(const ClassEntry& entry) {
    return entry.classId == &CLSID_OVSplashScreen || entry.classId == &CLSID_OVAboutBox;
}

std::string nameOf(const ClassEntry& entry) { return std::string(entry.name, entry.name + wcslen(entry.name)); }

ComPtr<IUnknown> createControl(const ClassEntry& entry) {
    ComPtr<IUnknown> object;
    EXPECT_EQ(S_OK, entry.create(IID_IUnknown, object.putVoid()));
    return object;
}

// Draws the control's content over the whole canvas through IViewObject2.
HRESULT drawInto(IUnknown* control, Canvas& canvas) {
    ComPtr<IViewObject2> view = ComPtr<IUnknown>(control).query<IViewObject2>();
    if (!view) return E_NOINTERFACE;
    RECTL bounds{0, 0, canvas.width(), canvas.height()};
    return view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.dc(), &bounds, nullptr, nullptr, 0);
}

TEST(ControlCatalogue, EveryControlSpeaksTheProtocol) {
    std::vector<const ClassEntry*> controls = creatableControls();
    ASSERT_EQ(18u, controls.size()) << "every control of the library";
    const IID protocol[] = {IID_IOleObject, IID_IOleControl, IID_IProvideClassInfo2, IID_IConnectionPointContainer,
                            IID_IViewObject, IID_IViewObject2, IID_IOleInPlaceObject, IID_IOleWindow,
                            IID_IPersistPropertyBag, IID_IPersistStreamInit, IID_IPersistStream, IID_IPersist,
                            IID_ISpecifyPropertyPages, IID_IProvideClassInfo, IID_IDispatch, IID_IPersistStorage,
                            IID_IOleInPlaceActiveObject, IID_IQuickActivate};
    for (const ClassEntry* entry : controls) {
        SCOPED_TRACE(nameOf(*entry));
        ComPtr<IUnknown> object = createControl(*entry);
        ComPtr<IUnknown> identity = object.query<IUnknown>();
        for (const IID& iid : protocol) {
            ComPtr<IUnknown> answer;
            ASSERT_EQ(S_OK, object->QueryInterface(iid, answer.putVoid()));
            // Every interface leads back to the same object.
            EXPECT_EQ(identity.get(), answer.query<IUnknown>().get());
        }
        auto ole = object.query<IOleObject>();
        DWORD status = 0;
        EXPECT_EQ(S_OK, ole->GetMiscStatus(DVASPECT_CONTENT, &status));
        EXPECT_EQ(0x20591u, status);
        CLSID id{};
        EXPECT_EQ(S_OK, ole->GetUserClassID(&id));
        EXPECT_TRUE(id == *entry->classId);
        EXPECT_EQ(S_OK, object.query<IPersistPropertyBag>()->GetClassID(&id));
        EXPECT_TRUE(id == *entry->classId);

        // Class info: the coclass, and its default source the empty events interface.
        auto info = object.query<IProvideClassInfo2>();
        ComPtr<ITypeInfo> coclass;
        ASSERT_EQ(S_OK, info->GetClassInfo(coclass.put()));
        TYPEATTR* attributes = nullptr;
        coclass->GetTypeAttr(&attributes);
        EXPECT_TRUE(attributes->guid == *entry->classId);
        EXPECT_EQ(TKIND_COCLASS, attributes->typekind);
        coclass->ReleaseTypeAttr(attributes);
        GUID events{};
        ASSERT_EQ(S_OK, info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events));
        ComPtr<ITypeInfo> eventsInfo;
        ASSERT_EQ(S_OK, typeLibrary()->GetTypeInfoOfGuid(events, eventsInfo.put()));
        BSTR eventsName = nullptr;
        eventsInfo->GetDocumentation(MEMBERID_NIL, &eventsName, nullptr, nullptr, nullptr);
        EXPECT_EQ(std::wstring(L"__") + entry->name, eventsName);
        ::SysFreeString(eventsName);
        EXPECT_EQ(E_INVALIDARG, info->GetGUID(12345, &events));

        // No window, no pages.
        HWND window = reinterpret_cast<HWND>(1);
        EXPECT_TRUE(FAILED(object.query<IOleInPlaceObject>()->GetWindow(&window)));
        EXPECT_EQ(nullptr, window);
        CAUUID pages{5, reinterpret_cast<GUID*>(1)};
        EXPECT_EQ(S_OK, object.query<ISpecifyPropertyPages>()->GetPages(&pages));
        if (isBranding(*entry)) {
            EXPECT_EQ(3u, pages.cElems);
            ::CoTaskMemFree(pages.pElems);
            continue;
        }
        EXPECT_EQ(0u, pages.cElems);
        EXPECT_EQ(nullptr, pages.pElems);
    }
}

TEST(ControlCatalogue, SitingReadsUserModeAndTheSiteComesBack) {
    for (const ClassEntry* entry : creatableControls()) {
        SCOPED_TRACE(nameOf(*entry));
        long before = module::liveObjects();
        {
            ComPtr<IUnknown> object = createControl(*entry);
            auto site = ControlSite::create(false);
            ComPtr<IDispatch> dispatch = siteControl(object.get(), site.get());
            EXPECT_TRUE(dispatch);
            auto ole = object.query<IOleObject>();
            ComPtr<IOleClientSite> back;
            EXPECT_EQ(S_OK, ole->GetClientSite(back.put()));
            EXPECT_EQ(static_cast<IOleClientSite*>(site.get()), back.get());
            back.reset();
            closeControl(object.get(), site.get());
            EXPECT_EQ(S_OK, ole->GetClientSite(back.put()));
            EXPECT_FALSE(back);
        }
        EXPECT_EQ(before, module::liveObjects());
    }
}

TEST(ControlCatalogue, InvisibleAtRunTimeFaceAtDesignTime) {
    const DWORD sentinel = 0x00123456;
    for (const ClassEntry* entry : creatableControls()) {
        if (isBranding(*entry)) continue;
        SCOPED_TRACE(nameOf(*entry));
        int width = 0, height = 0;
        std::vector<DWORD> face = resourcePixels(entry->toolboxBitmap, width, height);
        ASSERT_FALSE(face.empty());
        ComPtr<IUnknown> object = createControl(*entry);

        // Natural extent: the bitmap's size in HIMETRIC at 96 pixels per inch.
        SIZEL extent{};
        EXPECT_EQ(S_OK, object.query<IOleObject>()->GetExtent(DVASPECT_CONTENT, &extent));
        EXPECT_EQ(::MulDiv(width, 2540, 96), extent.cx);
        EXPECT_EQ(::MulDiv(height, 2540, 96), extent.cy);

        // Never sited: run time, nothing drawn.
        {
            Canvas canvas(width, height, sentinel);
            EXPECT_EQ(S_OK, drawInto(object.get(), canvas));
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) ASSERT_EQ(sentinel, canvas.pixel(x, y));
        }
        // A run-time site: still nothing.
        auto site = ControlSite::create(true);
        siteControl(object.get(), site.get());
        {
            Canvas canvas(width, height, sentinel);
            EXPECT_EQ(S_OK, drawInto(object.get(), canvas));
            EXPECT_EQ(sentinel, canvas.pixel(width / 2, height / 2));
        }
        // The container switches to design: the face is the toolbox bitmap, pixel for pixel.
        site->setUserMode(false);
        EXPECT_EQ(S_OK, object.query<IOleControl>()->OnAmbientPropertyChange(DISPID_AMBIENT_USERMODE));
        {
            Canvas canvas(width, height, sentinel);
            EXPECT_EQ(S_OK, drawInto(object.get(), canvas));
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) ASSERT_EQ(face[y * width + x], canvas.pixel(x, y)) << x << "," << y;
        }
        // Other aspects and missing arguments are refused.
        ComPtr<IViewObject2> view = object.query<IViewObject2>();
        Canvas canvas(width, height, sentinel);
        RECTL bounds{0, 0, width, height};
        EXPECT_EQ(DV_E_DVASPECT, view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, canvas.dc(), &bounds,
                                            nullptr, nullptr, 0));
        EXPECT_EQ(E_INVALIDARG, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, canvas.dc(), nullptr,
                                           nullptr, nullptr, 0));
        // Back to run time through a change of every ambient property.
        site->setUserMode(true);
        object.query<IOleControl>()->OnAmbientPropertyChange(DISPID_UNKNOWN);
        EXPECT_EQ(S_OK, drawInto(object.get(), canvas));
        EXPECT_EQ(sentinel, canvas.pixel(width / 2, height / 2));
        closeControl(object.get(), site.get());
    }
}

TEST(ControlCatalogue, ConnectionPoints) {
    for (const ClassEntry* entry : creatableControls()) {
        SCOPED_TRACE(nameOf(*entry));
        long before = module::liveObjects();
        {
            ComPtr<IUnknown> object = createControl(*entry);
            auto container = object.query<IConnectionPointContainer>();
            GUID events{};
            object.query<IProvideClassInfo2>()->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events);

            ComPtr<IEnumConnectionPoints> points;
            ASSERT_EQ(S_OK, container->EnumConnectionPoints(points.put()));
            std::vector<IID> found;
            IConnectionPoint* point = nullptr;
            while (points->Next(1, &point, nullptr) == S_OK) {
                IID iid{};
                point->GetConnectionInterface(&iid);
                found.push_back(iid);
                ComPtr<IConnectionPointContainer> back;
                EXPECT_EQ(S_OK, point->GetConnectionPointContainer(back.put()));
                EXPECT_EQ(container.get(), back.get());
                point->Release();
            }
            ASSERT_EQ(2u, found.size());
            EXPECT_TRUE(found[0] == IID_IPropertyNotifySink);
            EXPECT_TRUE(found[1] == events);

            ComPtr<IConnectionPoint> notify, eventsPoint, none;
            EXPECT_EQ(S_OK, container->FindConnectionPoint(IID_IPropertyNotifySink, notify.put()));
            EXPECT_EQ(S_OK, container->FindConnectionPoint(events, eventsPoint.put()));
            EXPECT_EQ(CONNECT_E_NOCONNECTION, container->FindConnectionPoint(IID_IDispatch, none.put()));
            EXPECT_FALSE(none);

            auto sink = RecordingSink::create();
            DWORD first = 0, second = 0;
            EXPECT_EQ(S_OK, notify->Advise(sink.get(), &first));
            EXPECT_EQ(S_OK, notify->Advise(sink.get(), &second));
            EXPECT_NE(first, second);
            ComPtr<IEnumConnections> connections;
            ASSERT_EQ(S_OK, notify->EnumConnections(connections.put()));
            CONNECTDATA data[3] = {};
            ULONG fetched = 0;
            EXPECT_EQ(S_FALSE, connections->Next(3, data, &fetched));
            EXPECT_EQ(2u, fetched);
            for (ULONG i = 0; i < fetched; ++i) data[i].pUnk->Release();
            connections.reset();
            EXPECT_EQ(S_OK, notify->Unadvise(first));
            EXPECT_EQ(CONNECT_E_NOCONNECTION, notify->Unadvise(first));
            // A sink without the interface cannot connect; the events point takes IDispatch.
            auto site = ControlSite::create();
            auto notASink = ScriptedBag::create();
            DWORD cookie = 7;
            EXPECT_EQ(CONNECT_E_CANNOTCONNECT, notify->Advise(notASink.get(), &cookie));
            EXPECT_EQ(0u, cookie);
            EXPECT_EQ(S_OK, eventsPoint->Advise(static_cast<IOleClientSite*>(site.get()), &cookie));
            EXPECT_EQ(CONNECT_E_CANNOTCONNECT, eventsPoint->Advise(sink.get(), &cookie));
            EXPECT_EQ(0u, cookie);
            // A point that outlives its control answers without it.
            object.reset();
            container.reset();
            ComPtr<IConnectionPointContainer> gone;
            EXPECT_EQ(E_UNEXPECTED, notify->GetConnectionPointContainer(gone.put()));
            EXPECT_EQ(E_UNEXPECTED, notify->Advise(sink.get(), &cookie));
            EXPECT_EQ(1, sink->references());
        }
        EXPECT_EQ(before, module::liveObjects());
    }
}

// Controls that keep no properties save nothing and load nothing, successfully.
TEST(ControlCatalogue, ControlsWithoutPropertiesPersistNothing) {
    for (const ClassEntry* entry : creatableControls()) {
        if (isBranding(*entry)) continue;
        SCOPED_TRACE(nameOf(*entry));
        ComPtr<IUnknown> object = createControl(*entry);
        auto bagPersist = object.query<IPersistPropertyBag>();
        auto streamPersist = object.query<IPersistStreamInit>();
        auto bag = MemoryPropertyBag::create();
        EXPECT_EQ(S_OK, bagPersist->InitNew());
        EXPECT_EQ(S_OK, bagPersist->Save(bag.get(), TRUE, TRUE));
        EXPECT_EQ(0u, bag->count());
        EXPECT_EQ(S_OK, bagPersist->Load(bag.get(), nullptr));
        EXPECT_EQ(E_POINTER, bagPersist->Load(nullptr, nullptr));

        ComPtr<IStream> stream = streamOf({});
        EXPECT_EQ(S_OK, streamPersist->Save(stream.get(), TRUE));
        EXPECT_TRUE(bytesOf(stream.get()).empty());
        EXPECT_EQ(S_OK, streamPersist->Load(streamOf({}).get()));
        EXPECT_EQ(S_OK, object.query<IPersistStream>()->Load(streamOf({1, 2, 3}).get()));
        ULARGE_INTEGER size{};
        size.QuadPart = 99;
        EXPECT_EQ(S_OK, streamPersist->GetSizeMax(&size));
        EXPECT_EQ(0u, size.QuadPart);
        EXPECT_EQ(S_FALSE, streamPersist->IsDirty());
    }
}

TEST(ControlCatalogue, OleObjectHousekeeping) {
    for (const ClassEntry* entry : creatableControls()) {
        SCOPED_TRACE(nameOf(*entry));
        ComPtr<IUnknown> object = createControl(*entry);
        auto ole = object.query<IOleObject>();
        SIZEL size{300, 200};
        EXPECT_EQ(S_OK, ole->SetExtent(DVASPECT_CONTENT, &size));
        SIZEL back{};
        EXPECT_EQ(S_OK, ole->GetExtent(DVASPECT_CONTENT, &back));
        EXPECT_EQ(300, back.cx);
        EXPECT_EQ(200, back.cy);
        EXPECT_EQ(S_OK, object.query<IViewObject2>()->GetExtent(DVASPECT_CONTENT, -1, nullptr, &back));
        EXPECT_EQ(300, back.cx);
        size = {-1, 5};
        EXPECT_EQ(E_INVALIDARG, ole->SetExtent(DVASPECT_CONTENT, &size));
        EXPECT_EQ(DV_E_DVASPECT, ole->GetExtent(DVASPECT_ICON, &back));
        LPOLESTR type = nullptr;
        EXPECT_EQ(S_OK, ole->GetUserType(USERCLASSTYPE_SHORT, &type));
        EXPECT_STREQ(entry->name, type);
        ::CoTaskMemFree(type);
        EXPECT_EQ(S_OK, ole->GetUserType(USERCLASSTYPE_FULL, &type));
        EXPECT_EQ(programmaticId(*entry), type);
        ::CoTaskMemFree(type);
        EXPECT_EQ(S_OK, ole->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, nullptr, 0, nullptr, nullptr));
        // No pages: the properties verb is not one of its verbs. (With pages it would open
        // the modal property frame, so it is not tried on the controls that have them.)
        if (!isBranding(*entry)) {
            EXPECT_EQ(OLEOBJ_S_INVALIDVERB, ole->DoVerb(OLEIVERB_PROPERTIES, nullptr, nullptr, 0, nullptr, nullptr));
        }
        EXPECT_EQ(S_OK, ole->Close(OLECLOSE_SAVEIFDIRTY));
        CONTROLINFO info{sizeof(info)};
        EXPECT_EQ(S_OK, object.query<IOleControl>()->GetControlInfo(&info));
        EXPECT_EQ(0, info.cAccel);
    }
}

}  // namespace
}  // namespace orvane
