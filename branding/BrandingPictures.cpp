#include "branding/BrandingPictures.h"

#include "frame/automation/Dispatcher.h"
#include "frame/base/Errors.h"

namespace orvane::branding {

ComPtr<IPictureDisp> iconPicture(int resource, int pixels) {
    HICON icon = static_cast<HICON>(
        ::LoadImageW(moduleHandle(), MAKEINTRESOURCEW(resource), IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR));
    if (!icon) raise(error::OutOfMemory);
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_ICON;
    description.icon.hicon = icon;
    ComPtr<IPictureDisp> picture;
    // The picture owns the icon from here on.
    HRESULT result = ::OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, picture.putVoid());
    if (FAILED(result)) {
        ::DestroyIcon(icon);
        check(result);
    }
    return picture;
}

ComPtr<IPicture> pictureOf(IPictureDisp* picture) {
    return ComPtr<IPictureDisp>(picture).query<IPicture>();
}

}  // namespace orvane::branding
