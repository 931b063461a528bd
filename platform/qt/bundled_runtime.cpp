#include "platform/qt/bundled_runtime.h"

#include <dirent.h>
#include <dlfcn.h>
#include <elf.h>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QtPlugin>
#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/posix/child_environment.h"
#include "platform/posix/executable.h"

namespace discmenu::qt {

namespace {

// The runtime's toolkit plugins, which the toolkit knows as static ones:
// it never searches a folder for them, so it never canonicalises their
// paths (which turns a folder name that is not UTF-8 into another name,
// and hands the loader `$ORIGIN` to expand), and each is loaded, by its
// byte-exact path, only when the toolkit asks for it.
struct BundledPlugin {
  std::string path;
  std::string metadata;
  QtPluginInstanceFunction instance = nullptr;
};
// Twice what the runtime carries (PLUGINS in make_medium_programs.py).
constexpr size_t kMaxPlugins = 16;
std::array<BundledPlugin, kMaxPlugins> g_plugins;

template <size_t N>
QObject* Instance() {
  BundledPlugin& plugin = g_plugins[N];
  if (!plugin.instance) {
    void* library = dlopen(plugin.path.c_str(), RTLD_LAZY);
    if (library)
      plugin.instance =
          reinterpret_cast<QtPluginInstanceFunction>(dlsym(library, "qt_plugin_instance"));
    if (!plugin.instance) return nullptr;
  }
  return plugin.instance();
}

template <size_t N>
QPluginMetaData MetaData() {
  return {g_plugins[N].metadata.data(), g_plugins[N].metadata.size()};
}

template <size_t... N>
void Register(size_t count, std::index_sequence<N...>) {
  ((N < count ? qRegisterStaticPluginFunction(QStaticPlugin(Instance<N>, MetaData<N>)) : void()),
   ...);
}

bool ReadAt(int fd, void* buf, size_t size, off_t offset) {
  return pread(fd, buf, size, offset) == static_cast<ssize_t>(size);
}

// What the toolkit reads of a plugin before it loads it (its interface and
// keys): the payload of its "qt-project!" ELF note; "" when it has none.
std::string PluginMetaData(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return "";
  std::string found;
  struct stat st;
  Elf64_Ehdr header;
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ReadAt(fd, &header, sizeof header, 0) &&
      std::memcmp(header.e_ident, ELFMAG, SELFMAG) == 0 && header.e_ident[EI_CLASS] == ELFCLASS64 &&
      header.e_phentsize == sizeof(Elf64_Phdr)) {
    for (unsigned i = 0; i < header.e_phnum && found.empty(); ++i) {
      Elf64_Phdr segment;
      if (!ReadAt(fd, &segment, sizeof segment, header.e_phoff + i * sizeof segment)) break;
      if (segment.p_type != PT_NOTE || segment.p_filesz > 65536) continue;
      std::vector<char> notes(segment.p_filesz);
      if (!ReadAt(fd, notes.data(), notes.size(), segment.p_offset)) break;
      const size_t align = segment.p_align > 4 ? 8 : 4;
      auto up = [align](size_t n) { return (n + align - 1) / align * align; };
      for (size_t at = 0; at + sizeof(Elf64_Nhdr) <= notes.size();) {
        Elf64_Nhdr note;
        std::memcpy(&note, notes.data() + at, sizeof note);
        const size_t name = at + sizeof note, desc = up(name + note.n_namesz);
        if (desc + note.n_descsz > notes.size()) break;
        if (note.n_type == QPluginMetaData::ElfNoteHeader::NoteType &&
            note.n_namesz == sizeof QPluginMetaData::ElfNoteHeader::NoteName &&
            std::memcmp(notes.data() + name, QPluginMetaData::ElfNoteHeader::NoteName,
                        note.n_namesz) == 0) {
          found.assign(notes.data() + desc, note.n_descsz);
          break;
        }
        at = up(desc + note.n_descsz);
      }
    }
  }
  close(fd);
  return found;
}

// Every plugin in the folders of `plugins` (platforms/, imageformats/ ...).
void RegisterPlugins(const std::string& plugins) {
  size_t count = 0;
  DIR* kinds = opendir(plugins.c_str());
  for (dirent* kind; kinds && (kind = readdir(kinds));) {
    if (kind->d_name[0] == '.') continue;
    const std::string folder = plugins + "/" + kind->d_name;
    DIR* files = opendir(folder.c_str());
    for (dirent* file; files && (file = readdir(files)) && count < kMaxPlugins;) {
      BundledPlugin& plugin = g_plugins[count];
      plugin.path = folder + "/" + file->d_name;
      plugin.metadata = file->d_name[0] == '.' ? "" : PluginMetaData(plugin.path);
      if (!plugin.metadata.empty()) ++count;
    }
    if (files) closedir(files);
  }
  if (kinds) closedir(kinds);
  Register(count, std::make_index_sequence<kMaxPlugins>());
}

}  // namespace

std::string PrepareBundledRuntime(const std::string& runtime_folder, const std::string& started) {
  posix::KeepEnvironmentForChildren();
  const std::string runtime = posix::DirectoryHandle(runtime_folder);
  // glibc reads this at the first conversion, which comes later.
  setenv("GCONV_PATH", (runtime + "/gconv").c_str(), 1);
  if (access("/etc/fonts/fonts.conf", R_OK) != 0 && !std::getenv("FONTCONFIG_FILE"))
    setenv("FONTCONFIG_FILE", (runtime + "/fonts/fonts.conf").c_str(), 1);
  // Only the runtime's plugins: a system's Qt plugins are of another build.
  unsetenv("QT_PLUGIN_PATH");
  unsetenv("QT_QPA_PLATFORM_PLUGIN_PATH");
  QCoreApplication::setLibraryPaths({});
  RegisterPlugins(runtime + "/plugins");
  // The process shows under the started program's name, not the loader's.
  const std::string name = started.substr(started.rfind('/') + 1);
  prctl(PR_SET_NAME, name.c_str(), 0, 0, 0);
  return runtime;
}

void AddBundledFonts(const std::string& runtime) {
  const QDir fonts(QFile::decodeName((runtime + "/fonts").c_str()));
  for (const QString& name : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files, QDir::Name)) {
    QFile file(fonts.filePath(name));
    if (file.open(QIODevice::ReadOnly)) QFontDatabase::addApplicationFontFromData(file.readAll());
  }
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

}  // namespace discmenu::qt
