#include "tools/discmenu-tool/signatures.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "config/diagnostics.h"
#include "config/menu_settings.h"
#include "config/text_decoding.h"
#include "platform/posix/file_input.h"
#include "platform/posix/native_path.h"

namespace discmenu::tool {

namespace {

constexpr uint16_t kExecutableImage = 0x0002;  // IMAGE_FILE_EXECUTABLE_IMAGE
constexpr uint16_t kDll = 0x2000;              // IMAGE_FILE_DLL
constexpr int kSecurityDirectory = 4;          // where Authenticode keeps its signature
constexpr uint8_t kCompoundFile[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kHeaderFatEntries = 109;

// Reads at any offset; every read is checked, so a short or odd file is
// simply not what it claimed to be. A FIFO or device is not even opened:
// reading one could block for ever.
class File {
 public:
  explicit File(const std::string& path) : file_(path) {}
  bool Read(uint64_t offset, void* out, size_t n) { return file_.ReadAt(offset, out, n); }
  template <class T>
  bool Get(uint64_t offset, T* value) {
    uint8_t bytes[sizeof(T)];
    if (!Read(offset, bytes, sizeof bytes)) return false;
    uint64_t v = 0;
    for (size_t k = sizeof(T); k-- > 0;) v = v << 8 | bytes[k];  // little-endian
    *value = static_cast<T>(v);
    return true;
  }
  uint64_t size() const { return file_.size(); }

 private:
  posix::RegularFile file_;
};

// A PE image: an executable (not a DLL), signed when its certificate table
// holds anything.
WindowsFile InspectPe(File& file) {
  uint32_t pe = 0, signature = 0;
  uint16_t characteristics = 0, magic = 0;
  if (!file.Get(0x3C, &pe) || !file.Get(pe, &signature) || signature != 0x00004550 ||
      !file.Get(pe + 22, &characteristics) || !file.Get(pe + 24, &magic))
    return {};
  if (!(characteristics & kExecutableImage) || (characteristics & kDll)) return {};
  const uint64_t directories = pe + 24 + (magic == 0x20B ? 112 : 96);
  uint32_t count = 0, size = 0;
  if (!file.Get(directories - 4, &count)) return {};
  const bool has_table =
      count > kSecurityDirectory && file.Get(directories + 8 * kSecurityDirectory + 4, &size);
  return {WindowsFileKind::kProgram, has_table && size > 0};
}

// A compound file (the container of MSI, and of old Office documents) whose
// root storage has the class of a Windows Installer package or patch; it is
// signed when the root holds the stream "\5DigitalSignature".
WindowsFile InspectCompoundFile(File& file) {
  uint16_t shift = 0;
  uint32_t fat_sectors = 0, directory = 0, difat = 0, difat_sectors = 0;
  if (!file.Get(0x1E, &shift) || (shift != 9 && shift != 12) || !file.Get(0x2C, &fat_sectors) ||
      !file.Get(0x30, &directory) || !file.Get(0x44, &difat) || !file.Get(0x48, &difat_sectors))
    return {};
  const uint64_t sector = uint64_t{1} << shift;
  auto at = [sector](uint32_t s) { return (uint64_t{s} + 1) * sector; };
  const uint64_t sectors = file.size() / sector;

  // The root entry is the directory's first; its class says what the file is.
  uint8_t root[128];
  if (!file.Read(at(directory), root, sizeof root)) return {};
  static constexpr std::array<uint8_t, 16> kPackage = {
      0x84, 0x10, 0x0C, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0, 0, 0, 0x46};
  std::array<uint8_t, 16> kind;
  std::memcpy(kind.data(), root + 0x50, kind.size());
  std::array<uint8_t, 16> patch = kPackage;
  patch[0] = 0x86;
  if (kind != kPackage && kind != patch) return {};

  // Where the allocation table's sectors are: 109 in the header, the rest
  // in a chain of its own.
  std::vector<uint32_t> fat;
  for (uint32_t k = 0; k < kHeaderFatEntries && fat.size() < fat_sectors; ++k) {
    uint32_t s = 0;
    if (!file.Get(0x4C + 4 * k, &s)) return {WindowsFileKind::kInstaller, false};
    fat.push_back(s);
  }
  const uint32_t per_sector = static_cast<uint32_t>(sector / 4);
  for (uint32_t n = 0; n < difat_sectors && fat.size() < fat_sectors && n < sectors; ++n) {
    for (uint32_t k = 0; k + 1 < per_sector && fat.size() < fat_sectors; ++k) {
      uint32_t s = 0;
      if (!file.Get(at(difat) + 4 * k, &s)) return {WindowsFileKind::kInstaller, false};
      fat.push_back(s);
    }
    if (!file.Get(at(difat) + 4 * (per_sector - 1), &difat)) break;
  }
  auto next = [&](uint32_t s, uint32_t* out) {
    const uint32_t index = s / per_sector;
    return index < fat.size() && file.Get(at(fat[index]) + 4 * (s % per_sector), out);
  };

  // The directory's entries, sector by sector along its chain.
  static const char16_t kSignature[] = u"\u0005DigitalSignature";
  for (uint32_t s = directory, steps = 0; s < kEndOfChain && steps <= sectors; ++steps) {
    for (uint64_t e = 0; e < sector; e += 128) {
      uint8_t entry[128];
      if (!file.Read(at(s) + e, entry, sizeof entry)) return {WindowsFileKind::kInstaller, false};
      const uint16_t length = static_cast<uint16_t>(entry[0x40] | entry[0x41] << 8);
      if (length != sizeof kSignature || entry[0x42] != 2) continue;  // a stream of that name
      bool same = true;
      for (size_t c = 0; c + 1 < std::size(kSignature); ++c)
        same &= (entry[2 * c] | entry[2 * c + 1] << 8) == kSignature[c];
      if (same) return {WindowsFileKind::kInstaller, true};
    }
    if (!next(s, &s)) break;
  }
  return {WindowsFileKind::kInstaller, false};
}

std::string Unsigned(const WindowsFile& file) {
  return file.kind == WindowsFileKind::kInstaller ? "a Windows installer without a signature"
                                                  : "a Windows program without a signature";
}

constexpr const char* kSmartAppControl =
    ": Windows 11 Smart App Control blocks unsigned programs and installers; sign it before "
    "publishing";

}  // namespace

WindowsFile InspectWindowsFile(const std::string& path) {
  File file(path);
  uint8_t head[8];
  if (!file.Read(0, head, sizeof head)) return {};
  if (head[0] == 'M' && head[1] == 'Z') return InspectPe(file);
  if (std::memcmp(head, kCompoundFile, sizeof head) == 0) return InspectCompoundFile(file);
  return {};
}

void CheckSignatures(const MenuConfig& config, std::vector<Finding>* findings) {
  for (int n = 1; n <= kTargets.count; ++n) {
    const int item = kTargets.Item(n);
    if (!config.Has(item) || !config.Shown(n)) continue;
    const std::string& text = config.Value(item).AsText();
    if (text.empty()) continue;
    const WindowsFile file = InspectWindowsFile(posix::ResolvePath(config.app_path + text));
    if (file.kind == WindowsFileKind::kOther || file.is_signed) continue;
    findings->push_back(ItemFinding(config, item, Severity::kWarning,
                                    ItemName(item) + ": \"" + EscapeInvalidUtf8(text) + "\" is " +
                                        Unsigned(file) + kSmartAppControl));
  }
  const WindowsFile menu = InspectWindowsFile(config.app_path + "/discmenu.exe");
  if (menu.kind == WindowsFileKind::kProgram && !menu.is_signed) {
    findings->push_back(Finding{1, 1, Severity::kWarning, 0, "",
                                "discmenu.exe beside install.ini is " + Unsigned(menu) +
                                    kSmartAppControl +
                                    " (make windows SIGN_CERT=... SIGN_KEY=...)"});
  }
}

}  // namespace discmenu::tool
