#include "DemoForm.h"

#include <objbase.h>

#include "frame/host/ControlSite.h"
#include "frame/base/Errors.h"
#include "frame/host/MemoryPropertyBag.h"
#include "frame/forms/Program.h"

namespace orvane::demo {

namespace {

InstanceFactory& factory() {
    static InstanceFactory current;
    return current;
}

// Through COM: the programs' manifests name the library's classes, so this needs no
// registration.
ComPtr<IUnknown> createThroughCom(const std::wstring& programmaticId) {
    CLSID classId{};
    HRESULT result = ::CLSIDFromProgID(programmaticId.c_str(), &classId);
    if (SUCCEEDED(result)) {
        ComPtr<IUnknown> instance;
        result = ::CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, instance.putVoid());
        if (SUCCEEDED(result)) return instance;
    }
    // The runtime's "ActiveX component can't create object".
    throw RuntimeError(429, L"ActiveX component can't create object");
}

}  // namespace

void setInstanceFactory(InstanceFactory replacement) { factory() = std::move(replacement); }

ComPtr<IUnknown> createInstance(const std::wstring& programmaticId) {
    if (factory()) return factory()(programmaticId);
    return createThroughCom(programmaticId);
}

DemoForm::DemoForm(const DemoProgram& program) : program_(program) {
    // The control comes into being with the form, before the form's own Load runs, and
    // goes after the form's own Unload: the handlers of an event run in map order.
    forms::HandlerMap map;
    map.push_back({nullptr, forms::Event::Load, [this](forms::EventArgs&) { placeControl(); }});
    map.push_back({L"cmdClose", forms::Event::Click, [](forms::EventArgs&) { forms::end(); }});
    if (program_.handlers) program_.handlers(*this, map);
    map.push_back({nullptr, forms::Event::Unload, [this](forms::EventArgs&) { removeControl(); }});
    form_ = std::make_unique<forms::Form>(program_.form, program_.controls, std::move(map));
}

DemoForm::~DemoForm() { close(); }

void DemoForm::placeControl() {
    if (!program_.controlClass || control_) return;
    std::wstring programmaticId = std::wstring(L"TVOrvaneSuite.") + program_.controlClass;
    instance_ = createInstance(programmaticId);
    site_ = ControlSite::create(true);
    ComPtr<MemoryPropertyBag> store;
    if (program_.loadFromStore) {
        // The form keeps nothing for the control but its size.
        store = MemoryPropertyBag::create();
        store->setText(L"_ExtentX", L"847");
        store->setText(L"_ExtentY", L"847");
    }
    try {
        control_ = LateBound(siteControl(instance_.get(), site_.get(), store.get()));
    } catch (...) {
        long number = errorNumberOf(caughtResult());
        throw RuntimeError(number ? number : 429, L"ActiveX component can't create object");
    }
}

void DemoForm::removeControl() noexcept {
    variables_.clear();
    if (instance_) closeControl(instance_.get(), site_.get());
    control_ = LateBound();
    instance_.reset();
    site_.reset();
}

void DemoForm::show() { form_->show(); }

void DemoForm::close() noexcept {
    if (form_ && form_->loaded()) {
        try {
            form_->unload(forms::UnloadMode::Code);
        } catch (...) {
        }
    }
    removeControl();
}

int runDemo(const DemoProgram& program) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    {
        forms::setProgramTitle(program.program);
        DemoForm demo(program);
        try {
            status = forms::run(demo.form());
        } catch (const RuntimeError& error) {
            forms::reportUnhandledError(error);
            status = 1;
        } catch (const forms::ProgramEnd& end) {
            status = end.status;
        }
    }
    ::CoUninitialize();
    return status;
}

}  // namespace orvane::demo
