#include "tools/discmenu-tool/image.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>

#include "config/text_decoding.h"
#include "platform/posix/launcher.h"
#include "tools/discmenu-tool/menu_folder.h"

extern char** environ;

namespace discmenu::tool {

namespace fs = std::filesystem;

namespace {

std::string Trimmed(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  const size_t first = s.find_first_not_of(' ');
  return first == std::string::npos ? "" : s.substr(first);
}

// `title` with each character `keep` refuses replaced by `_`, cut to `max`
// characters and trimmed.
template <typename Keep>
std::string Label(const std::string& title, size_t max, Keep keep) {
  std::string label;
  for (char32_t c : CodePoints(Trimmed(title))) {
    if (label.size() == max) break;
    label += keep(c) ? static_cast<char>(c) : '_';
  }
  return Trimmed(label);
}

// Joliet and FAT store names in UTF-16.
size_t Utf16Length(const std::u32string& name) {
  size_t n = name.size();
  for (char32_t c : name) n += c >= 0x10000;
  return n;
}

std::string Name(const std::string& path) {
  return path.substr(path.rfind('/') + 1);
}

std::string Folder(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

bool HasAny(const std::u32string& name, std::u32string_view forbidden) {
  return std::any_of(name.begin(), name.end(), [&](char32_t c) {
    return c < 0x20 || c == 0x7F || forbidden.find(c) != std::u32string_view::npos;
  });
}

std::string LowerAscii(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

bool WindowsRunsIt(const std::string& name) {
  const std::string lower = LowerAscii(name);
  return lower.ends_with(".exe") || lower.ends_with(".com") || lower.ends_with(".bat");
}

constexpr std::uint64_t kFatLargestFile = 0xFFFFFFFFull;

}  // namespace

std::string DiscLabel(const std::string& title) {
  const std::string label = Label(title, 16, [](char32_t c) {
    return c >= 0x20 && c < 0x7F &&
           std::u32string_view(U"*/:;?\\").find(c) == std::u32string_view::npos;
  });
  return label.empty() ? "DISCMENU" : label;
}

std::string StickLabel(const std::string& title) {
  std::string upper;
  for (char c : title) upper += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  return Label(upper, 11, [](char32_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::u32string_view(U" !#$%&'()-@^_`{}~").find(c) != std::u32string_view::npos;
  });
}

std::vector<ImageFinding> ImageFindings(const std::vector<MediumEntry>& entries, ImageKind kind) {
  std::vector<ImageFinding> findings;
  auto error = [&](const std::string& path, const std::string& message) {
    findings.push_back({true, path, message});
  };
  const bool fat = kind == ImageKind::kStick;
  std::map<std::string, std::string> folded;  // FAT: lower-case path -> path
  for (const MediumEntry& e : entries) {
    if (e.type == MediumEntry::kLink) {
      error(e.path,
            "is a symbolic link, which an image cannot hold as a link; put the file or "
            "folder itself there");
      continue;
    }
    if (e.type == MediumEntry::kOther) {
      error(e.path, "is neither a file nor a folder");
      continue;
    }
    const std::string name = Name(e.path);
    if (!IsValidUtf8(name, true)) {
      error(e.path, "has a name that is not UTF-8, which Windows cannot show");
      continue;
    }
    const std::u32string points = CodePoints(name);
    if (!fat) {
      if (HasAny(points, U"*/:;?\\"))
        error(e.path,
              "has a character in its name that Windows cannot read from a disc "
              "(* : ; ? \\ or a control character)");
      else if (Utf16Length(points) > 103)
        error(e.path, "has a name longer than the 103 characters Windows reads from a disc");
      continue;
    }
    if (HasAny(points, U"\"*/:<>?\\|")) {
      error(e.path,
            "has a character in its name that FAT cannot hold "
            "(\" * : < > ? \\ | or a control character)");
    } else if (name.ends_with('.') || name.ends_with(' ')) {
      error(e.path, "has a name that ends in a dot or a space, which FAT cannot hold");
    } else if (Utf16Length(points) > 255) {
      error(e.path, "has a name longer than the 255 characters FAT holds");
    } else if (auto [at, fresh] = folded.emplace(LowerAscii(e.path), e.path); !fresh) {
      error(e.path, "differs from " + at->second +
                        " only in letter case, which FAT does not "
                        "tell apart");
    } else if (e.type == MediumEntry::kFile && e.size > kFatLargestFile) {
      error(e.path, "has " + std::to_string(e.size) + " bytes; FAT holds files of up to " +
                        std::to_string(kFatLargestFile) + " bytes");
    } else if (e.type == MediumEntry::kFile && e.executable && !WindowsRunsIt(name)) {
      findings.push_back(
          {false, e.path,
           e.path == "discmenu"
               ? "loses its execute permission on FAT; desktops start the menu through "
                 "autorun.sh, and people by typing sh autorun"
               : "loses its execute permission on FAT"});
    }
  }
  return findings;
}

namespace {

// The menu folder's files and folders, each folder before what it holds,
// in byte order of the names.
bool ListMedium(const std::string& dir, const std::string& prefix, std::vector<MediumEntry>* out,
                std::string* why) {
  std::error_code ec;
  std::vector<std::string> names;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  if (ec) {
    *why = dir + ": " + ec.message();
    return false;
  }
  std::sort(names.begin(), names.end());
  for (const std::string& name : names) {
    const std::string path = dir + "/" + name;
    MediumEntry e{prefix + name};
    const fs::file_status status = fs::symlink_status(path, ec);
    if (fs::is_symlink(status)) {
      e.type = MediumEntry::kLink;
    } else if (fs::is_directory(status)) {
      e.type = MediumEntry::kFolder;
    } else if (fs::is_regular_file(status)) {
      e.size = fs::file_size(path, ec);
      e.executable = (status.permissions() & fs::perms::owner_exec) != fs::perms::none;
    } else {
      e.type = MediumEntry::kOther;
    }
    out->push_back(e);
    if (e.type == MediumEntry::kFolder && !ListMedium(path, e.path + "/", out, why)) return false;
  }
  return true;
}

// Runs `argv` (the program is looked up in PATH) with no input, in the C
// library's UTF-8 locale and UTC, so that names and dates come out the same
// on every machine. Its output and errors go to `*output`.
int RunProgram(std::vector<std::string> argv, std::string* output) {
  const std::string program = posix::FindInPath(argv[0]);
  if (program.empty()) {
    *output = argv[0] + " is not installed (Debian: apt-get install " +
              (argv[0] == "xorriso"    ? "xorriso"
               : argv[0] == "mkfs.fat" ? "dosfstools"
                                       : "mtools") +
              ")";
    return -1;
  }
  std::vector<std::string> env = {"LC_ALL=C.UTF-8", "TZ=UTC"};
  for (char** e = environ; *e; ++e) {
    const std::string var = *e;
    if (!var.starts_with("LC_ALL=") && !var.starts_with("TZ=") && !var.starts_with("MTOOLSRC="))
      env.push_back(var);
  }
  env.push_back("MTOOLSRC=/dev/null");  // no user's settings
  auto pointers = [](std::vector<std::string>& strings) {
    std::vector<char*> p;
    for (std::string& s : strings) p.push_back(s.data());
    p.push_back(nullptr);
    return p;
  };
  std::vector<char*> args = pointers(argv), envp = pointers(env);
  int pipe_fds[2];
  if (pipe2(pipe_fds, O_CLOEXEC) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], 2);
  pid_t pid = 0;
  const int failed =
      posix_spawn(&pid, program.c_str(), &actions, nullptr, args.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(pipe_fds[1]);
  char buffer[4096];
  for (ssize_t n; (n = read(pipe_fds[0], buffer, sizeof buffer)) != 0;) {
    if (n > 0)
      output->append(buffer, static_cast<size_t>(n));
    else if (errno != EINTR)
      break;
  }
  close(pipe_fds[0]);
  if (failed) {
    *output = "cannot start " + program + ": " + std::strerror(failed);
    return -1;
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::optional<long long> SourceDateEpoch() {
  const char* value = std::getenv("SOURCE_DATE_EPOCH");
  if (!value || !*value) return std::nullopt;
  char* end = nullptr;
  const long long epoch = std::strtoll(value, &end, 10);
  return *end ? std::nullopt : std::optional<long long>(epoch);
}

struct Step {
  std::vector<std::string> argv;
};

// Runs each step; on a failure, says which program failed and what it said.
bool RunSteps(const std::vector<Step>& steps, const std::string& image, std::ostream& err) {
  for (const Step& step : steps) {
    std::string output;
    const int status = RunProgram(step.argv, &output);
    if (status != 0) {
      while (!output.empty() && output.back() == '\n') output.pop_back();
      err << "discmenu-tool: error: cannot write " << image << ": " << step.argv[0]
          << (status > 0 ? " failed: " : ": ") << output << "\n";
      return false;
    }
  }
  return true;
}

std::vector<Step> DiscSteps(const std::string& dir, const std::string& file,
                            const std::string& label) {
  std::vector<std::string> argv = {
      "xorriso",
      "-report_about",
      "SORRY",
      "-abort_on",
      "FAILURE",
      "-charset",
      "UTF-8",
      "-disk_pattern",
      "off",
      "-outdev",
      "stdio:" + file,
      "-volid",
      label,
      "-joliet",
      "on",
      "-rockridge",
      "on",
      "-compliance",
      "iso_9660_level=3:joliet_long_names:joliet_long_paths:joliet_utf16:always_gmt",
      "-map",
      dir,
      "/",
      "-chown_r",
      "0",
      "/",
      "--",
      "-chgrp_r",
      "0",
      "/",
      "--"};
  if (const auto epoch = SourceDateEpoch()) {
    for (const char* arg : {"-alter_date_r", "b"}) argv.push_back(arg);
    for (const std::string& arg :
         {"=" + std::to_string(*epoch), std::string("/"), std::string("--")})
      argv.push_back(arg);
  }
  return {{argv}};
}

// A FAT32 file system of 512-byte clusters that holds `entries` with room
// to spare: the clusters of the files and of the folders' entries (a long
// name takes one 32-byte entry per 13 characters), the two tables, and at
// least the 65525 clusters FAT32 needs.
std::uint64_t StickKilobytes(const std::vector<MediumEntry>& entries) {
  std::map<std::string, std::uint64_t> folder_bytes = {{"", 3 * 32}};
  std::uint64_t clusters = 0;
  for (const MediumEntry& e : entries) {
    folder_bytes[Folder(e.path)] += 32 * (2 + Utf16Length(CodePoints(Name(e.path))) / 13);
    if (e.type == MediumEntry::kFolder) folder_bytes[e.path] += 2 * 32;
    clusters += (e.size + 511) / 512;
  }
  for (const auto& [folder, bytes] : folder_bytes) clusters += (bytes + 511) / 512;
  clusters = std::max<std::uint64_t>(clusters + clusters / 50 + 2048, 66000);
  const std::uint64_t table_sectors = ((clusters + 2) * 4 + 511) / 512;
  return (32 + 2 * table_sectors + clusters + 1) / 2;
}

std::vector<Step> StickSteps(const std::string& dir, const std::vector<MediumEntry>& entries,
                             const std::string& file, const std::string& label) {
  const auto epoch = SourceDateEpoch();
  std::vector<std::string> mkfs = {"mkfs.fat", "-F", "32", "-S", "512", "-s", "1"};
  if (!label.empty()) mkfs.insert(mkfs.end(), {"-n", label});
  if (epoch) {
    char serial[9];
    std::snprintf(serial, sizeof serial, "%08llX",
                  static_cast<unsigned long long>(*epoch) & 0xFFFFFFFFull);
    mkfs.insert(mkfs.end(), {"--invariant", "-i", serial});
  }
  mkfs.insert(mkfs.end(), {file, std::to_string(StickKilobytes(entries))});
  std::vector<Step> steps = {{mkfs}};
  // Folders first, then the files of each folder in one copy, in order.
  // Without SOURCE_DATE_EPOCH the files keep their dates (-m); with it,
  // mtools dates everything then.
  Step folders{{"mmd", "-i", file}};
  std::map<std::string, Step> copies;
  std::vector<std::string> order = {""};
  for (const MediumEntry& e : entries) {
    if (e.type == MediumEntry::kFolder) {
      folders.argv.push_back("::/" + e.path);
      order.push_back(e.path);
    } else {
      Step& copy = copies[Folder(e.path)];
      if (copy.argv.empty()) copy.argv = {"mcopy", "-i", file};
      if (copy.argv.size() == 3 && !epoch) copy.argv.push_back("-m");
      copy.argv.push_back(dir + "/" + e.path);
    }
  }
  if (folders.argv.size() > 3) steps.push_back(folders);
  for (const std::string& folder : order) {
    auto copy = copies.find(folder);
    if (copy == copies.end()) continue;
    copy->second.argv.push_back("::/" + folder + (folder.empty() ? "" : "/"));
    steps.push_back(copy->second);
  }
  return steps;
}

bool Inside(const std::string& file, const std::string& dir) {
  std::error_code ec;
  const fs::path folder = fs::weakly_canonical(fs::absolute(dir, ec), ec);
  const fs::path target = fs::weakly_canonical(fs::absolute(file, ec), ec).parent_path();
  auto [f, t] = std::mismatch(folder.begin(), folder.end(), target.begin(), target.end());
  return f == folder.end();
}

// Writes one image through a temporary file beside it, renamed into place
// once complete.
bool WriteImage(const std::string& image, bool force, std::uint64_t size,
                const std::function<std::vector<Step>(const std::string&)>& steps,
                std::ostream& out, std::ostream& err) {
  std::error_code ec;
  if (!force && fs::symlink_status(image, ec).type() != fs::file_type::not_found) {
    err << "discmenu-tool: error: " << image << " exists already; use --force to overwrite it\n";
    return false;
  }
  std::string temp = (fs::path(image).parent_path() / ".discmenu-image-XXXXXX").string();
  if (fs::path(image).parent_path().empty()) temp = ".discmenu-image-XXXXXX";
  const int fd = mkstemp(temp.data());
  if (fd < 0) {
    err << "discmenu-tool: error: cannot write " << image << ": " << std::strerror(errno) << "\n";
    return false;
  }
  // mkfs.fat makes its file system in a file of the size it is to have.
  const bool sized = ftruncate(fd, static_cast<off_t>(size)) == 0;
  close(fd);
  bool ok = sized && RunSteps(steps(temp), image, err);
  if (ok) {
    fs::permissions(temp, fs::perms(0644), ec);
    fs::rename(temp, image, ec);
    if (ec) err << "discmenu-tool: error: cannot write " << image << ": " << ec.message() << "\n";
    ok = !ec;
  }
  if (!ok) {
    fs::remove(temp, ec);
    return false;
  }
  out << "created " << image << " (" << fs::file_size(image, ec) << " bytes, "
      << (size ? "FAT32" : "ISO 9660 with Rock Ridge and Joliet") << ")\n";
  return true;
}

}  // namespace

int RunImage(const std::string& dir, const std::string& disc, const std::string& stick,
             const std::optional<std::string>& label, bool force, std::ostream& out,
             std::ostream& err) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    err << "discmenu-tool: error: " << dir << " is not a folder\n";
    return 1;
  }
  std::string title, why;
  if (label) {
    title = *label;
  } else if (MenuSettings settings; ReadMenuFolderSettings(dir, &settings, &why)) {
    title = settings.WindowCaption.AsText();
  } else {
    err << "discmenu-tool: error: no label for the images: " << why << "\n";
    return 1;
  }
  for (const std::string& image : {disc, stick}) {
    if (!image.empty() && Inside(image, dir)) {
      err << "discmenu-tool: error: " << image << " is inside the menu folder " << dir
          << "; write the image elsewhere\n";
      return 1;
    }
  }
  std::vector<MediumEntry> entries;
  if (!ListMedium(dir, "", &entries, &why)) {
    err << "discmenu-tool: error: cannot read " << why << "\n";
    return 1;
  }
  const std::string shown = dir.ends_with('/') ? dir : dir + "/";
  bool errors = false;
  for (const auto& [image, kind] :
       {std::pair{disc, ImageKind::kDisc}, std::pair{stick, ImageKind::kStick}}) {
    if (image.empty()) continue;
    for (const ImageFinding& f : ImageFindings(entries, kind)) {
      err << "discmenu-tool: " << (f.error ? "error: " : "warning: ")
          << EscapeInvalidUtf8(shown + f.path) << " " << f.message
          << (f.error ? " (" + image + ")" : "") << "\n";
      errors = errors || f.error;
    }
  }
  if (errors) return 1;
  if (!disc.empty() &&
      !WriteImage(
          disc, force, 0,
          [&](const std::string& file) { return DiscSteps(dir, file, DiscLabel(title)); }, out,
          err))
    return 1;
  if (!stick.empty() && !WriteImage(
                            stick, force, StickKilobytes(entries) * 1024,
                            [&](const std::string& file) {
                              return StickSteps(dir, entries, file, StickLabel(title));
                            },
                            out, err))
    return 1;
  return 0;
}

}  // namespace discmenu::tool
