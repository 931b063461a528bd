#include "platform/win32/wic_picture.h"

#include <objbase.h>
#include <wincodec.h>

#include <cstring>
#include <new>

#include "platform/win32/win32_logic.h"
#include "platform/win32/win32_text.h"

namespace discmenu::win32 {

namespace {

// Owns one reference to a COM object.
template <class T>
class Com {
 public:
  Com() = default;
  ~Com() { Reset(); }
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;

  T* operator->() const { return p_; }
  T* get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  T** Put() {
    Reset();
    return &p_;
  }
  void Reset() {
    if (p_) p_->Release();
    p_ = nullptr;
  }

 private:
  T* p_ = nullptr;
};

IWICImagingFactory* g_factory = nullptr;

IWICImagingFactory* Factory() {
  if (!g_factory) {
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                     reinterpret_cast<void**>(&g_factory));
  }
  return g_factory;
}

bool IsShownFormat(const GUID& format) {
  static const GUID* const kFormats[] = {&GUID_ContainerFormatJpeg, &GUID_ContainerFormatPng,
                                         &GUID_ContainerFormatBmp,  &GUID_ContainerFormatGif,
                                         &GUID_ContainerFormatIco,  &GUID_ContainerFormatTiff};
  for (const GUID* f : kFormats)
    if (IsEqualGUID(format, *f)) return true;
  return false;
}

Error Undecodable(const std::string& shown, HRESULT hr) {
  return presentation::UndecodablePicture(shown, SystemMessage(static_cast<DWORD>(hr)));
}

// Decodes the parts of the picture in `decoder` that controls can show.
Error Decode(IWICBitmapDecoder* decoder, const std::string& shown, int ratio, Image* out) {
  GUID format{};
  if (FAILED(decoder->GetContainerFormat(&format)) || !IsShownFormat(format))
    return presentation::NotAPicture(shown);
  UINT frames = 0;
  if (FAILED(decoder->GetFrameCount(&frames)) || frames == 0)
    return presentation::NotAPicture(shown);

  UINT index = 0;
  if (IsEqualGUID(format, GUID_ContainerFormatIco)) {
    std::vector<int> widths;
    for (UINT i = 0; i < frames && i < 64; ++i) {
      Com<IWICBitmapFrameDecode> frame;
      UINT w = 0, h = 0;
      if (FAILED(decoder->GetFrame(i, frame.Put())) || FAILED(frame->GetSize(&w, &h))) w = 0;
      widths.push_back(static_cast<int>(w));
    }
    index = static_cast<UINT>(presentation::ChooseIconImage(widths));
  }

  Com<IWICBitmapFrameDecode> frame;
  if (HRESULT hr = decoder->GetFrame(index, frame.Put()); FAILED(hr)) return Undecodable(shown, hr);
  UINT width = 0, height = 0;
  if (FAILED(frame->GetSize(&width, &height))) width = height = 0;
  if (Error e = presentation::CheckPictureSize(shown, width, height); !e.ok()) return e;

  Com<IWICFormatConverter> converter;
  HRESULT hr = Factory()->CreateFormatConverter(converter.Put());
  if (SUCCEEDED(hr)) {
    hr = converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                               nullptr, 0.0, WICBitmapPaletteTypeCustom);
  }
  if (FAILED(hr)) return Undecodable(shown, hr);

  Image picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.ratio = ratio;
  for (const Box& box : presentation::PartsToDecode(picture.width, picture.height, ratio)) {
    PicturePart part;
    part.box = box;
    try {
      part.pixels.resize(static_cast<size_t>(box.width) * box.height);
    } catch (const std::bad_alloc&) {
      return Error::OutOfMemory(shown + ": no memory for a picture of " + std::to_string(width) +
                                " x " + std::to_string(height) + " pixels");
    }
    const WICRect rect{box.x, box.y, box.width, box.height};
    const UINT stride = static_cast<UINT>(box.width) * 4;
    hr = converter->CopyPixels(&rect, stride, stride * static_cast<UINT>(box.height),
                               reinterpret_cast<BYTE*>(part.pixels.data()));
    if (FAILED(hr)) return Undecodable(shown, hr);
    picture.parts.push_back(std::move(part));
  }
  picture.opaque = Opaque(picture.parts);
  *out = std::move(picture);
  return Error();
}

}  // namespace

Error DecodePictureFile(const std::string& path, int ratio, Image* out) {
  const std::wstring native = NativePath(path);
  WIN32_FILE_ATTRIBUTE_DATA info{};
  if (path.find('\0') != std::string::npos)  // no Windows name holds one
    return Error::FileNotFound(path);
  presentation::FileKind kind = presentation::FileKind::kRegular;
  if (!GetFileAttributesExW(native.c_str(), GetFileExInfoStandard, &info)) {
    DWORD code = GetLastError();
    if (!IsNotFound(code)) return Error::PathFileAccess(path + ": " + SystemMessage(code));
    kind = presentation::FileKind::kMissing;
  } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    kind = presentation::FileKind::kDirectory;
  } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) {
    kind = presentation::FileKind::kSpecial;
  }
  const uint64_t size = static_cast<uint64_t>(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
  if (Error e = presentation::CheckPictureFile(path, kind, size); !e.ok()) return e;

  if (!Factory()) return Error::InvalidPicture(path + ": the imaging component is not available");
  // The imaging component opens the file itself: no stream helper (and no
  // further DLL to load at start) is needed.
  Com<IWICBitmapDecoder> decoder;
  HRESULT hr = Factory()->CreateDecoderFromFilename(native.c_str(), nullptr, GENERIC_READ,
                                                    WICDecodeMetadataCacheOnDemand, decoder.Put());
  if (FAILED(hr)) {
    if (HRESULT_FACILITY(hr) == FACILITY_WIN32 && IsNotFound(HRESULT_CODE(hr)))
      return Error::FileNotFound(path);
    if (HRESULT_FACILITY(hr) == FACILITY_WIN32)
      return Error::PathFileAccess(path + ": " + SystemMessage(HRESULT_CODE(hr)));
    return presentation::NotAPicture(path);
  }
  return Decode(decoder.get(), path, ratio, out);
}

namespace {

HBITMAP MakeDib(int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// `part` as a bitmap of `width` x `height` device pixels.
HBITMAP PartBitmap(const PicturePart& part, int width, int height) {
  void* bits = nullptr;
  HBITMAP bitmap = MakeDib(width, height, &bits);
  if (!bitmap) return nullptr;
  const Box& box = part.box;
  if (width == box.width && height == box.height) {
    std::memcpy(bits, part.pixels.data(), part.pixels.size() * 4);
    return bitmap;
  }
  GdiFlush();
  const UINT stride = static_cast<UINT>(width) * 4;
  Com<IWICBitmap> source;
  Com<IWICBitmapScaler> scaler;
  HRESULT hr = Factory() ? S_OK : E_FAIL;
  if (SUCCEEDED(hr)) {
    hr = Factory()->CreateBitmapFromMemory(
        static_cast<UINT>(box.width), static_cast<UINT>(box.height), GUID_WICPixelFormat32bppPBGRA,
        static_cast<UINT>(box.width) * 4, static_cast<UINT>(part.pixels.size() * 4),
        reinterpret_cast<BYTE*>(const_cast<uint32_t*>(part.pixels.data())), source.Put());
  }
  if (SUCCEEDED(hr)) hr = Factory()->CreateBitmapScaler(scaler.Put());
  if (SUCCEEDED(hr)) {
    hr = scaler->Initialize(source.get(), static_cast<UINT>(width), static_cast<UINT>(height),
                            WICBitmapInterpolationModeFant);
  }
  if (SUCCEEDED(hr))
    hr = scaler->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits));
  if (FAILED(hr)) {
    // Nearest pixels, which always works.
    auto* out = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y) {
      const int sy = static_cast<int>(static_cast<long long>(y) * box.height / height);
      for (int x = 0; x < width; ++x) {
        const int sx = static_cast<int>(static_cast<long long>(x) * box.width / width);
        out[static_cast<size_t>(y) * width + x] =
            part.pixels[static_cast<size_t>(sy) * box.width + sx];
      }
    }
  }
  return bitmap;
}

}  // namespace

bool WicTwinDecoder::DecodeTwin(const std::string& path, Image* twin) {
  if (GetFileAttributesW(NativePath(path).c_str()) == INVALID_FILE_ATTRIBUTES) return false;
  return DecodePictureFile(path, 2, twin).ok();
}

void ScaledPicture::Reset() {
  scaled_.clear();
  image_ = nullptr;
  dpi_ = 0;
}

void ScaledPicture::Draw(HDC dc, const Image& image, int dpi, POINT origin, const RECT& clip) {
  if (image_ != &image || dpi_ != dpi) {
    Reset();
    for (const PicturePart& part : image.parts) {
      const int r = image.ratio;
      Scaled s;
      s.at.x = ScaledLength(part.box.x, r, dpi);
      s.at.y = ScaledLength(part.box.y, r, dpi);
      s.at.width = ScaledLength(part.box.x + part.box.width, r, dpi) - s.at.x;
      s.at.height = ScaledLength(part.box.y + part.box.height, r, dpi) - s.at.y;
      if (s.at.empty()) continue;
      s.bitmap.reset(PartBitmap(part, s.at.width, s.at.height));
      if (s.bitmap) scaled_.push_back(std::move(s));
    }
    image_ = &image;
    dpi_ = dpi;
  }
  const Box bounds{clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top};
  HDC memory = CreateCompatibleDC(dc);
  if (!memory) return;
  for (const Scaled& s : scaled_) {
    const Box at{origin.x + s.at.x, origin.y + s.at.y, s.at.width, s.at.height};
    const Box shown = Intersect(at, bounds);
    if (shown.empty()) continue;
    HGDIOBJ old = SelectObject(memory, s.bitmap.get());
    const int sx = shown.x - at.x, sy = shown.y - at.y;
    if (image.opaque) {
      BitBlt(dc, shown.x, shown.y, shown.width, shown.height, memory, sx, sy, SRCCOPY);
    } else {
      const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
      GdiAlphaBlend(dc, shown.x, shown.y, shown.width, shown.height, memory, sx, sy, shown.width,
                    shown.height, blend);
    }
    SelectObject(memory, old);
  }
  DeleteDC(memory);
}

PictureRef LoadResourcePicture(int id) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  void* data = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = found ? SizeofResource(module, found) : 0;
  if (!data || size == 0 || !Factory()) return nullptr;
  Com<IWICStream> stream;
  Com<IWICBitmapDecoder> decoder;
  if (FAILED(Factory()->CreateStream(stream.Put())) ||
      FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(data), size)) ||
      FAILED(Factory()->CreateDecoderFromStream(stream.get(), nullptr,
                                                WICDecodeMetadataCacheOnDemand, decoder.Put())))
    return nullptr;
  Image picture;
  if (!Decode(decoder.get(), "resource " + std::to_string(id), 1, &picture).ok()) return nullptr;
  return std::make_shared<Picture>("", std::move(picture));
}

void ReleaseImaging() {
  if (g_factory) g_factory->Release();
  g_factory = nullptr;
}

}  // namespace discmenu::win32
