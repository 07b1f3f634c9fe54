// The identities of the platform's standard colour and picture pages, which the branding
// controls list beside their own design page; the import libraries do not carry them.
#include <windows.h>
#include <initguid.h>
#include <msstkppg.h>
