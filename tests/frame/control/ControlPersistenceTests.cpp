// A control with a property table in the test container: first values, change
// notification (frozen and thawed), property-bag and stream round trips with
// pictures, defaults for missing keys, and failing, mistyped, truncated or hostile
// stores that must leave the control as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "frame/host/TestContainer.h"
#include "frame/base/Module.h"

namespace orvane {
namespace {

using namespace test;

class ControlPersistence : public ::testing::Test {
protected:
    ComPtr<ProbeControl> probe = ProbeControl::create();
    ComPtr<IPersistPropertyBag> bagPersist = ComPtr<ProbeControl>(probe).query<IPersistPropertyBag>();
    ComPtr<IPersistStreamInit> streamPersist = ComPtr<ProbeControl>(probe).query<IPersistStreamInit>();

    void giveValues() {
        probe->caption = L"Saved text \x263A";
        probe->count = -2147483647 - 1;
        probe->picture = bitmapPicture(5, 3, RGB(200, 10, 20));
    }
    // The state must be exactly what giveValues left.
    void expectGivenValues(ProbeControl& control) {
        EXPECT_EQ(L"Saved text \x263A", control.caption);
        EXPECT_EQ(-2147483647 - 1, control.count);
        EXPECT_EQ(PICTYPE_BITMAP, pictureType(control.picture.get()));
    }
    std::vector<BYTE> savedStream() {
        ComPtr<IStream> stream = streamOf({});
        EXPECT_EQ(S_OK, streamPersist->Save(stream.get(), FALSE));
        return bytesOf(stream.get());
    }
};

TEST_F(ControlPersistence, CreatedOutsideAContainerItHasItsFirstValues) {
    EXPECT_EQ(L"Probe caption", probe->caption);
    EXPECT_EQ(7, probe->count);
    ASSERT_TRUE(probe->picture);
    EXPECT_EQ(PICTYPE_NONE, pictureType(probe->picture.get()));
    EXPECT_EQ(S_FALSE, streamPersist->IsDirty());
    giveValues();
    EXPECT_EQ(S_OK, bagPersist->InitNew());
    EXPECT_EQ(L"Probe caption", probe->caption);
    EXPECT_EQ(7, probe->count);
}

TEST_F(ControlPersistence, SettersNotifyEverySinkOnceAfterStoring) {
    auto first = RecordingSink::create();
    auto second = RecordingSink::create();
    std::wstring seen;
    first->onChange = [&] { seen = probe->caption; };
    Connection a(static_cast<IDispatch*>(probe.get()), first.get());
    {
        Connection b(static_cast<IDispatch*>(probe.get()), second.get());
        ASSERT_EQ(S_OK, a.result);
        ASSERT_EQ(S_OK, b.result);
        probe->setCaption(L"new");
        probe->setCount(3);
        EXPECT_EQ((std::vector<DISPID>{ProbeControl::captionId, ProbeControl::countId}), first->changes);
        EXPECT_EQ(first->changes, second->changes);
        EXPECT_EQ(L"new", seen);
        EXPECT_EQ(S_OK, streamPersist->IsDirty());
    }
    probe->setPicture(nullptr);
    EXPECT_EQ(3u, first->changes.size());
    EXPECT_EQ(2u, second->changes.size());

    // A sink that disconnects itself while it is told does no harm.
    auto leaving = RecordingSink::create();
    auto connection = std::make_unique<Connection>(static_cast<IDispatch*>(probe.get()), leaving.get());
    leaving->onChange = [&] { connection.reset(); };
    probe->setCount(4);
    probe->setCount(5);
    EXPECT_EQ(1u, leaving->changes.size());
}

// Frozen notifications wait; at the last thaw each property changed meanwhile is
// announced once, in the order of its first change.
TEST_F(ControlPersistence, FrozenEventsAreHeldAndSentOnceWhenThawed) {
    auto sink = RecordingSink::create();
    Connection connection(static_cast<IDispatch*>(probe.get()), sink.get());
    auto control = ComPtr<ProbeControl>(probe).query<IOleControl>();
    EXPECT_EQ(S_OK, control->FreezeEvents(TRUE));
    EXPECT_EQ(S_OK, control->FreezeEvents(TRUE));
    probe->setCount(1);
    probe->setCaption(L"a");
    probe->setCount(2);
    EXPECT_TRUE(sink->changes.empty());
    EXPECT_EQ(S_OK, control->FreezeEvents(FALSE));
    EXPECT_TRUE(sink->changes.empty());
    EXPECT_EQ(S_OK, control->FreezeEvents(FALSE));
    EXPECT_EQ((std::vector<DISPID>{ProbeControl::countId, ProbeControl::captionId}), sink->changes);
    // An unbalanced thaw is harmless.
    EXPECT_EQ(S_OK, control->FreezeEvents(FALSE));
    probe->setCount(9);
    EXPECT_EQ(3u, sink->changes.size());
}

TEST_F(ControlPersistence, PropertyBagRoundTripWithPictures) {
    giveValues();
    auto bag = MemoryPropertyBag::create();
    probe->setCount(probe->count);  // dirty
    ASSERT_EQ(S_OK, bagPersist->Save(bag.get(), TRUE, FALSE));
    EXPECT_EQ(S_FALSE, streamPersist->IsDirty());
    EXPECT_EQ(L"Saved text \x263A", bag->text(L"Caption").value_or(L"?"));
    EXPECT_EQ(L"-2147483648", bag->text(L"ItemCount").value_or(L"?"));
    EXPECT_TRUE(bag->holdsObject(L"Picture"));

    auto copy = ProbeControl::create();
    ASSERT_EQ(S_OK, ComPtr<ProbeControl>(copy).query<IPersistPropertyBag>()->Load(bag.get(), nullptr));
    expectGivenValues(*copy.get());
    OLE_XSIZE_HIMETRIC width = 0, originalWidth = 0;
    copy->picture.query<IPicture>()->get_Width(&width);
    probe->picture.query<IPicture>()->get_Width(&originalWidth);
    EXPECT_EQ(originalWidth, width);

    // The empty picture stays an empty picture; Nothing stays Nothing.
    probe->picture = emptyPicture();
    ASSERT_EQ(S_OK, bagPersist->Save(bag.get(), TRUE, FALSE));
    ASSERT_EQ(S_OK, ComPtr<ProbeControl>(copy).query<IPersistPropertyBag>()->Load(bag.get(), nullptr));
    EXPECT_EQ(PICTYPE_NONE, pictureType(copy->picture.get()));
    probe->picture.reset();
    ASSERT_EQ(S_OK, bagPersist->Save(bag.get(), TRUE, FALSE));
    ASSERT_EQ(S_OK, ComPtr<ProbeControl>(copy).query<IPersistPropertyBag>()->Load(bag.get(), nullptr));
    EXPECT_FALSE(copy->picture);
}

TEST_F(ControlPersistence, MissingKeysReadAsTheirDefaults) {
    giveValues();
    auto bag = MemoryPropertyBag::create();
    bag->setText(L"itemcount", L"42");  // keys compare without case
    ASSERT_EQ(S_OK, bagPersist->Load(bag.get(), nullptr));
    EXPECT_EQ(L"Probe caption", probe->caption);
    EXPECT_EQ(42, probe->count);
    EXPECT_FALSE(probe->picture);  // the store's default for a picture is Nothing

    auto empty = MemoryPropertyBag::create();
    ASSERT_EQ(S_OK, bagPersist->Load(empty.get(), nullptr));
    EXPECT_EQ(7, probe->count);
}

TEST_F(ControlPersistence, FailingOrMistypedBagLeavesTheControlAsItWas) {
    struct Case {
        const wchar_t* key;
        HRESULT failure;          // the Read's result, or S_OK with a forced value
        VARTYPE forcedType;
        const wchar_t* forcedText;
    };
    const Case cases[] = {
        {L"Caption", E_FAIL, VT_EMPTY, nullptr},
        {L"Picture", STG_E_ACCESSDENIED, VT_EMPTY, nullptr},
        {L"ItemCount", S_OK, VT_BSTR, L"not a number"},
        {L"ItemCount", S_OK, VT_BSTR, L"99999999999"},
        {L"ItemCount", S_OK, VT_NULL, nullptr},
        {L"Caption", S_OK, VT_ERROR, nullptr},
        {L"Picture", S_OK, VT_BSTR, L"C:\\logo.bmp"},
        {L"Picture", S_OK, VT_DISPATCH, nullptr},  // an object that is not a picture
        {L"Caption", S_OK, VT_DISPATCH, nullptr},
    };
    giveValues();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.key, c.key + wcslen(c.key)) << " " << c.forcedType);
        auto bag = ScriptedBag::create();
        auto source = ProbeControl::create();
        ASSERT_EQ(S_OK, ComPtr<ProbeControl>(source).query<IPersistPropertyBag>()->Save(bag.get(), TRUE, TRUE));
        if (FAILED(c.failure)) {
            bag->failingReads[c.key] = c.failure;
        } else {
            Variant forced;
            V_VT(forced.get()) = c.forcedType;
            if (c.forcedType == VT_BSTR) V_BSTR(forced.get()) = ::SysAllocString(c.forcedText);
            if (c.forcedType == VT_ERROR) V_ERROR(forced.get()) = E_FAIL;
            if (c.forcedType == VT_DISPATCH) V_DISPATCH(forced.get()) = ControlSite::create().detach();
            bag->forcedValues[c.key] = forced;
        }
        HRESULT result = bagPersist->Load(bag.get(), nullptr);
        EXPECT_TRUE(FAILED(result));
        if (FAILED(c.failure)) {
            EXPECT_EQ(c.failure, result);
        }
        expectGivenValues(*probe.get());
    }
}

TEST_F(ControlPersistence, FailingBagWriteIsReported) {
    auto bag = ScriptedBag::create();
    bag->failingWrites = STG_E_MEDIUMFULL;
    probe->setCount(1);
    EXPECT_EQ(STG_E_MEDIUMFULL, bagPersist->Save(bag.get(), TRUE, TRUE));
    EXPECT_EQ(S_OK, streamPersist->IsDirty());
}

TEST_F(ControlPersistence, StreamRoundTripAndLayout) {
    giveValues();
    std::vector<BYTE> bytes = savedStream();
    ASSERT_GE(bytes.size(), 12u);
    EXPECT_EQ(0, std::memcmp(bytes.data(), "OVCP", 4));
    EXPECT_EQ(1, bytes[4] | bytes[5] << 8);  // layout version
    EXPECT_EQ(3, bytes[6] | bytes[7] << 8);  // rows
    ULONG body = bytes[8] | bytes[9] << 8 | bytes[10] << 16 | static_cast<ULONG>(bytes[11]) << 24;
    EXPECT_EQ(bytes.size() - 12, body);
    ULARGE_INTEGER size{};
    EXPECT_EQ(S_OK, streamPersist->GetSizeMax(&size));
    EXPECT_EQ(bytes.size(), size.QuadPart);

    auto copy = ProbeControl::create();
    ASSERT_EQ(S_OK, ComPtr<ProbeControl>(copy).query<IPersistStream>()->Load(streamOf(bytes).get()));
    expectGivenValues(*copy.get());
    // Saving again gives the same bytes.
    ComPtr<IStream> again = streamOf({});
    ASSERT_EQ(S_OK, ComPtr<ProbeControl>(copy).query<IPersistStreamInit>()->Save(again.get(), TRUE));
    EXPECT_EQ(bytes, bytesOf(again.get()));

    // Nothing and the empty picture both round-trip as themselves.
    probe->picture.reset();
    ASSERT_EQ(S_OK, ComPtr<ProbeControl>(copy).query<IPersistStream>()->Load(streamOf(savedStream()).get()));
    EXPECT_FALSE(copy->picture);
    probe->picture = emptyPicture();
    ASSERT_EQ(S_OK, ComPtr<ProbeControl>(copy).query<IPersistStream>()->Load(streamOf(savedStream()).get()));
    EXPECT_EQ(PICTYPE_NONE, pictureType(copy->picture.get()));
}

// Records the loader does not know are skipped; rows without a record read as defaults.
TEST_F(ControlPersistence, StreamRecordsUnknownOrMissing) {
    std::vector<BYTE> bytes = {'O', 'V', 'C', 'P', 2, 0, 2, 0, 26, 0, 0, 0,
                               0x99, 0, 0, 0x68, 1, 4, 0, 0, 0, 1, 2, 3, 4,             // unknown identifier
                               0x02, 0, 3, 0x68, 1, 4, 0, 0, 0, 0x2A, 0, 0, 0};         // Count = 42
    giveValues();
    ASSERT_EQ(S_OK, streamPersist->Load(streamOf(bytes).get()));
    EXPECT_EQ(42, probe->count);
    EXPECT_EQ(L"Probe caption", probe->caption);
    EXPECT_FALSE(probe->picture);
}

TEST_F(ControlPersistence, TruncatedOrHostileStreamsFailCleanly) {
    giveValues();
    std::vector<BYTE> good = savedStream();
    long objects = module::liveObjects();
    // Every truncation.
    for (size_t length = 0; length < good.size(); ++length) {
        std::vector<BYTE> cut(good.begin(), good.begin() + static_cast<long>(length));
        ASSERT_TRUE(FAILED(streamPersist->Load(streamOf(cut).get()))) << length;
    }
    expectGivenValues(*probe.get());

    auto patched = [&](size_t at, std::initializer_list<BYTE> values) {
        std::vector<BYTE> bytes = good;
        std::copy(values.begin(), values.end(), bytes.begin() + static_cast<long>(at));
        return bytes;
    };
    const size_t firstRecord = 12;
    std::vector<std::vector<BYTE>> hostile = {
        patched(0, {'X'}),                                // not our mark
        patched(4, {0, 0}),                               // version 0
        patched(8, {0xFF, 0xFF, 0xFF, 0xFF}),             // body longer than anything
        patched(8, {4, 0, 0, 0}),                         // body shorter than its first record
        patched(firstRecord + 4, {1}),                    // Caption written as a number
        patched(firstRecord + 5, {0xF0, 0xFF, 0xFF, 0x7F}),  // record longer than the body
        patched(firstRecord + 5, {3, 0, 0, 0}),           // odd text length
    };
    // A number record of the wrong length.
    {
        std::vector<BYTE> bytes = {'O', 'V', 'C', 'P', 1, 0, 1, 0, 11, 0, 0, 0, 0x02, 0, 3, 0x68, 1, 2, 0, 0, 0, 1, 2};
        hostile.push_back(bytes);
    }
    // A picture record naming another class than the platform's picture.
    {
        std::vector<BYTE> bytes = {'O', 'V', 'C', 'P', 1, 0, 1, 0, 25, 0, 0, 0, 0x03, 0, 3, 0x68, 2, 16, 0, 0, 0};
        const BYTE* id = reinterpret_cast<const BYTE*>(&CLSID_StdFont);
        bytes.insert(bytes.end(), id, id + 16);
        hostile.push_back(bytes);
    }
    // A picture record whose picture data is garbage.
    {
        std::vector<BYTE> bytes = {'O', 'V', 'C', 'P', 1, 0, 1, 0, 33, 0, 0, 0, 0x03, 0, 3, 0x68, 2, 24, 0, 0, 0};
        const BYTE* id = reinterpret_cast<const BYTE*>(&CLSID_StdPicture);
        bytes.insert(bytes.end(), id, id + 16);
        for (int i = 0; i < 8; ++i) bytes.push_back(0xEE);
        hostile.push_back(bytes);
    }
    for (size_t index = 0; index < hostile.size(); ++index) {
        EXPECT_TRUE(FAILED(streamPersist->Load(streamOf(hostile[index]).get()))) << "case " << index;
        expectGivenValues(*probe.get());
    }
    EXPECT_EQ(objects, module::liveObjects());
    EXPECT_EQ(E_POINTER, streamPersist->Load(nullptr));
}

TEST_F(ControlPersistence, PropertyPagesInTheControlsOrder) {
    CAUUID pages{};
    ASSERT_EQ(S_OK, ComPtr<ProbeControl>(probe).query<ISpecifyPropertyPages>()->GetPages(&pages));
    ASSERT_EQ(2u, pages.cElems);
    EXPECT_TRUE(pages.pElems[0] == CLSID_StockColorPage);
    EXPECT_TRUE(pages.pElems[1] == CLSID_StockPicturePage);
    ::CoTaskMemFree(pages.pElems);
    EXPECT_EQ(E_POINTER, ComPtr<ProbeControl>(probe).query<ISpecifyPropertyPages>()->GetPages(nullptr));
}

// A host that sites the control and loads it from its form's bag.
TEST_F(ControlPersistence, SitedAndLoadedByTheHost) {
    giveValues();
    auto bag = MemoryPropertyBag::create();
    ASSERT_EQ(S_OK, bagPersist->Save(bag.get(), TRUE, TRUE));
    auto fresh = ProbeControl::create();
    auto site = ControlSite::create();
    ComPtr<IDispatch> control = siteControl(static_cast<IDispatch*>(fresh.get()), site.get(), bag.get());
    expectGivenValues(*fresh.get());
    EXPECT_TRUE(fresh->userMode());
    fresh->setCount(12);
    EXPECT_EQ(std::vector<DISPID>{ProbeControl::countId}, site->changes());
    closeControl(control.get(), site.get());
    fresh->setCount(13);
    EXPECT_EQ(1u, site->changes().size());
    // A bag that fails makes siting fail with its result.
    auto failing = ScriptedBag::create();
    failing->failingReads[L"Caption"] = E_ACCESSDENIED;
    try {
        siteControl(static_cast<IDispatch*>(fresh.get()), site.get(), failing.get());
        ADD_FAILURE() << "no failure";
    } catch (const ComFailure& failure) {
        EXPECT_EQ(E_ACCESSDENIED, failure.result());
    }
}

TEST(MemoryPropertyBag, KeepsTextsObjectsAndEmptiesAndConvertsOnRead) {
    auto bag = MemoryPropertyBag::create();
    VARIANT value;
    V_VT(&value) = VT_I4;
    V_I4(&value) = 255;
    EXPECT_EQ(S_OK, bag->Write(L"Number", &value));
    EXPECT_EQ(L"255", bag->text(L"NUMBER").value_or(L"?"));
    ::VariantInit(&value);
    V_VT(&value) = VT_I4;
    EXPECT_EQ(S_OK, bag->Read(L"number", &value, nullptr));
    EXPECT_EQ(VT_I4, V_VT(&value));
    EXPECT_EQ(255, V_I4(&value));
    bag->setText(L"Word", L"abc");
    V_VT(&value) = VT_I4;
    EXPECT_TRUE(FAILED(bag->Read(L"Word", &value, nullptr)));
    EXPECT_EQ(VT_EMPTY, V_VT(&value));
    V_VT(&value) = VT_EMPTY;
    EXPECT_EQ(E_INVALIDARG, bag->Read(L"Absent", &value, nullptr));

    Variant picture;
    V_VT(picture.get()) = VT_DISPATCH;
    V_DISPATCH(picture.get()) = bitmapPicture(2, 2, RGB(0, 0, 255)).detach();
    EXPECT_EQ(S_OK, bag->Write(L"Logo", picture.get()));
    EXPECT_TRUE(bag->holdsObject(L"Logo"));
    Variant back;
    EXPECT_EQ(S_OK, bag->Read(L"Logo", back.get(), nullptr));
    ASSERT_EQ(VT_DISPATCH, V_VT(back.get()));
    EXPECT_EQ(PICTYPE_BITMAP, pictureType(static_cast<IPictureDisp*>(V_DISPATCH(back.get()))));
    // An object without a persisted form cannot be written.
    Variant site;
    V_VT(site.get()) = VT_UNKNOWN;
    V_UNKNOWN(site.get()) = static_cast<IOleClientSite*>(ControlSite::create().detach());
    EXPECT_TRUE(FAILED(bag->Write(L"Site", site.get())));
    EXPECT_FALSE(bag->contains(L"Site"));
    EXPECT_EQ(3u, bag->count());
    bag->remove(L"LOGO");
    EXPECT_EQ(2u, bag->count());
}

}  // namespace
}  // namespace orvane
