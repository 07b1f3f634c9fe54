// Resource numbers of the branding icons, shared by the resource script and the code.
#pragma once

#define IDI_ABOUT_FACE 31000
#define IDI_LOGO_PLACEHOLDER 31001
