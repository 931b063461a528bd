#include "platform/win32/wic_picture.h"

#include <objbase.h>
#include <wincodec.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <new>

#include "menu/presentation.h"
#include "platform/win32/win32_file.h"
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

}  // namespace

// A WIC decoder of a picture file or of bytes in memory (which stay put
// while it is used), and the frame the menu shows: the first, or of an
// icon's images the one the rule picks.
class WicPictureFiles::Frame {
 public:
  explicit Frame(const std::string& path) {
    if (Factory() && path.find('\0') == std::string::npos) {
      Open(Factory()->CreateDecoderFromFilename(NativePath(path).c_str(), nullptr, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, decoder_.Put()));
    }
  }
  Frame(const void* bytes, DWORD size) {
    if (!Factory()) return;
    HRESULT hr = Factory()->CreateStream(stream_.Put());
    if (SUCCEEDED(hr))
      hr = stream_->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(bytes)), size);
    if (SUCCEEDED(hr)) {
      hr = Factory()->CreateDecoderFromStream(stream_.get(), nullptr,
                                              WICDecodeMetadataCacheOnDemand, decoder_.Put());
    }
    Open(hr);
  }

  bool ok() const { return frame_ && SUCCEEDED(hr_); }
  IWICBitmapFrameDecode* get() const { return frame_.get(); }

  // Decodes `part` of the frame, or all of it when `part` is null.
  bool Decode(const Box* part, PicturePart* out, std::string* why) {
    Com<IWICFormatConverter> converter;
    HRESULT hr = ok() ? Factory()->CreateFormatConverter(converter.Put()) : hr_;
    if (SUCCEEDED(hr)) {
      hr = converter->Initialize(frame_.get(), GUID_WICPixelFormat32bppPBGRA,
                                 WICBitmapDitherTypeNone, nullptr, 0.0, WICBitmapPaletteTypeCustom);
    }
    UINT width = 0, height = 0;
    if (SUCCEEDED(hr)) hr = converter->GetSize(&width, &height);
    if (FAILED(hr)) {
      *why = SystemMessage(static_cast<DWORD>(hr));
      return false;
    }
    out->box = part ? *part : Box{0, 0, static_cast<int>(width), static_cast<int>(height)};
    std::vector<uint32_t> words;
    try {
      words.resize(out->size());
    } catch (const std::bad_alloc&) {
      *why = "not enough memory for it";
      return false;
    }
    const WICRect rect{out->box.x, out->box.y, out->box.width, out->box.height};
    const UINT stride = static_cast<UINT>(out->box.width) * 4;
    hr = converter->CopyPixels(&rect, stride, stride * static_cast<UINT>(out->box.height),
                               reinterpret_cast<BYTE*>(words.data()));
    if (FAILED(hr)) {
      *why = SystemMessage(static_cast<DWORD>(hr));
      return false;
    }
    out->pixels = OwnPixels(std::move(words));
    return true;
  }

 private:
  void Open(HRESULT hr) {
    GUID format{};
    UINT frames = 0;
    if (FAILED(hr) || FAILED(decoder_->GetContainerFormat(&format)) || !IsShownFormat(format) ||
        FAILED(decoder_->GetFrameCount(&frames)) || frames == 0) {
      hr_ = FAILED(hr) ? hr : E_FAIL;
      return;
    }
    UINT index = 0;
    if (IsEqualGUID(format, GUID_ContainerFormatIco)) {
      std::vector<int> widths;
      for (UINT i = 0; i < frames && i < 64; ++i) {
        Com<IWICBitmapFrameDecode> frame;
        UINT w = 0, h = 0;
        if (FAILED(decoder_->GetFrame(i, frame.Put())) || FAILED(frame->GetSize(&w, &h))) w = 0;
        widths.push_back(static_cast<int>(w));
      }
      index = static_cast<UINT>(std::max(0, presentation::ChooseIconImage(widths)));
    }
    hr_ = decoder_->GetFrame(index, frame_.Put());
  }

  Com<IWICStream> stream_;
  Com<IWICBitmapDecoder> decoder_;
  Com<IWICBitmapFrameDecode> frame_;
  HRESULT hr_ = E_FAIL;
};

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
    std::memcpy(bits, part.data(), part.size() * 4);
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
        static_cast<UINT>(box.width) * 4, static_cast<UINT>(part.size() * 4),
        reinterpret_cast<BYTE*>(const_cast<uint32_t*>(part.data())), source.Put());
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
            part.data()[static_cast<size_t>(sy) * box.width + sx];
      }
    }
  }
  return bitmap;
}

}  // namespace

// A picture file open for its bytes, with WIC's decoder of it.
class WicPictureFiles::Reader : public PictureReader {
 public:
  Reader(std::string path, FileHandle file, uint64_t size)
      : path_(std::move(path)), file_(std::move(file)), size_(size) {}

  bool ReadAt(uint64_t offset, size_t n, std::string* out) override {
    return win32::ReadAt(file_.get(), offset, n, out);
  }
  uint64_t file_size() const override { return size_; }

  bool Size(int* width, int* height) override {
    // Making a decoder looks through every registered codec: once a file.
    if (!frame_) frame_ = std::make_unique<Frame>(path_);
    UINT w = 0, h = 0;
    if (!frame_->ok() || FAILED(frame_->get()->GetSize(&w, &h))) return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
  }
  // WIC's JPEG decoder decodes the blocks of a part it is asked for.
  bool Decode(const Box* part, PicturePart* out, std::string* why) override {
    if (!frame_) frame_ = std::make_unique<Frame>(path_);
    return frame_->Decode(part, out, why);
  }

 private:
  std::string path_;
  FileHandle file_;
  uint64_t size_;
  std::unique_ptr<Frame> frame_;
};

Error WicPictureFiles::Open(const std::string& shown, const std::string& path,
                            std::unique_ptr<PictureReader>* reader) {
  if (path.find('\0') != std::string::npos)  // no Windows name holds one
    return Error::FileNotFound(shown);
  WIN32_FILE_ATTRIBUTE_DATA info{};
  FileKind kind = FileKind::kRegular;
  if (!GetFileAttributesExW(NativePath(path).c_str(), GetFileExInfoStandard, &info)) {
    const DWORD code = GetLastError();
    if (!IsNotFound(code))
      return Error::PathFileAccess(Message(Text::kSystemSays, {shown, SystemMessage(code)}));
    kind = FileKind::kMissing;
  } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    kind = FileKind::kDirectory;
  } else if (info.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) {
    kind = FileKind::kSpecial;
  }
  const uint64_t size = static_cast<uint64_t>(info.nFileSizeHigh) << 32 | info.nFileSizeLow;
  if (Error e = CheckPictureFile(shown, kind, size); !e.ok()) return e;
  // Only a disk file is opened: a pipe or device is refused.
  FileHandle file;
  if (Error e = OpenDiskFile(path, shown, &file); !e.ok()) return e;
  *reader = std::make_unique<Reader>(path, std::move(file), size);
  return Error();
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
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  const DWORD size = found ? SizeofResource(module, found) : 0;
  if (!bytes || size == 0) return nullptr;
  // Our own pictures, of the sizes the controls are made for: decoded whole.
  Image image;
  PicturePart whole;
  std::string why;
  if (!WicPictureFiles::Frame(bytes, size).Decode(nullptr, &whole, &why)) return nullptr;
  image.width = whole.box.width;
  image.height = whole.box.height;
  image.parts.push_back(std::move(whole));
  image.opaque = Opaque(image.parts);
  return std::make_shared<Picture>("", std::move(image));
}

void ReleaseImaging() {
  if (g_factory) g_factory->Release();
  g_factory = nullptr;
}

}  // namespace discmenu::win32