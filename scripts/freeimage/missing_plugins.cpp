// Registration of the FreeImage plugins whose libraries Debian's source package leaves out (TIFF,
// OpenEXR, JPEG-2000, camera RAW, WebP, JPEG XR). FreeImage numbers its formats by the order of
// registration, so each of them still registers under its usual name and extensions, only with
// no load, save or validate procedure: FIF_PNG stays 13 and FIF_JPEG 2, and FreeImage reports
// these formats as neither readable nor writable instead of failing inside a missing library.
// Compiled with FreeImage's own sources (FREEIMAGE_LIB), so DLL_CALLCONV is empty.

#include "FreeImage.h"
#include "Plugin.h"

namespace {

struct FormatNames {
    const char* format;
    const char* description;
    const char* extensions;
    const char* mime_type;
};

constexpr FormatNames kTiff{"TIFF", "Tagged Image File Format", "tif,tiff", "image/tiff"};
constexpr FormatNames kExr{"EXR", "ILM OpenEXR", "exr", "image/x-exr"};
constexpr FormatNames kJ2k{"J2K", "JPEG-2000 codestream", "j2k,j2c", "image/j2k"};
constexpr FormatNames kJp2{"JP2", "JPEG-2000 File Format", "jp2", "image/jp2"};
constexpr FormatNames kRaw{"RAW", "RAW camera image",
                           "3fr,arw,bay,bmq,cap,cine,cr2,crw,cs1,dc2,dcr,drf,dsc,dng,erf,fff,ia,"
                           "iiq,k25,kc2,kdc,mdc,mef,mos,mrw,nef,nrw,orf,pef,ptx,pxn,qtk,raf,raw,"
                           "rdc,rw2,rwl,rwz,sr2,srf,srw,sti,x3f",
                           "image/x-dcraw"};
constexpr FormatNames kWebp{"WebP", "Google WebP image format", "webp", "image/webp"};
constexpr FormatNames kJxr{"JPEG-XR", "JPEG XR image format", "jxr,wdp,hdp", "image/vnd.ms-photo"};

// FreeImage clears the Plugin structure before it calls an Init function, so every procedure
// left unset here stays null.
template <const FormatNames& names>
void RegisterNamesOnly(Plugin* plugin) {
    plugin->format_proc = [] { return names.format; };
    plugin->description_proc = [] { return names.description; };
    plugin->extension_proc = [] { return names.extensions; };
    plugin->mime_proc = [] { return names.mime_type; };
}

}  // namespace

void DLL_CALLCONV InitTIFF(Plugin* plugin, int) {
    RegisterNamesOnly<kTiff>(plugin);
}
void DLL_CALLCONV InitEXR(Plugin* plugin, int) {
    RegisterNamesOnly<kExr>(plugin);
}
void DLL_CALLCONV InitJ2K(Plugin* plugin, int) {
    RegisterNamesOnly<kJ2k>(plugin);
}
void DLL_CALLCONV InitJP2(Plugin* plugin, int) {
    RegisterNamesOnly<kJp2>(plugin);
}
void DLL_CALLCONV InitRAW(Plugin* plugin, int) {
    RegisterNamesOnly<kRaw>(plugin);
}
void DLL_CALLCONV InitWEBP(Plugin* plugin, int) {
    RegisterNamesOnly<kWebp>(plugin);
}
void DLL_CALLCONV InitJXR(Plugin* plugin, int) {
    RegisterNamesOnly<kJxr>(plugin);
}
