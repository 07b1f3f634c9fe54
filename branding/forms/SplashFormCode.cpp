#include "branding/forms/SplashFormCode.h"

#include "branding/BrandingPictures.h"
#include "branding/BrandingResources.h"
#include "frame/forms/Form.h"

namespace orvane::branding {

forms::HandlerMap splashHandlers() {
    return {{nullptr, forms::Event::Load, [](forms::EventArgs& event) {
                 ComPtr<IPicture> icon = pictureOf(iconPicture(IDI_LOGO_PLACEHOLDER, 32).get());
                 event.form.control(L"imgLogo").setPicture(icon.get());
             }}};
}

}  // namespace orvane::branding
