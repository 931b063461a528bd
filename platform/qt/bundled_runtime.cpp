#include "platform/qt/bundled_runtime.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <cstdlib>

#include "platform/posix/child_environment.h"

namespace discmenu::qt {

void PrepareBundledRuntime(const std::string& runtime, const std::string& started) {
  posix::KeepEnvironmentForChildren();
  // glibc reads this at the first conversion, which comes later.
  setenv("GCONV_PATH", (runtime + "/gconv").c_str(), 1);
  if (access("/etc/fonts/fonts.conf", R_OK) != 0 && !std::getenv("FONTCONFIG_FILE"))
    setenv("FONTCONFIG_FILE", (runtime + "/fonts/fonts.conf").c_str(), 1);
  // Only the runtime's plugins: a system's Qt plugins are of another build.
  QCoreApplication::setLibraryPaths({QFile::decodeName((runtime + "/plugins").c_str())});
  // The process shows under the started program's name, not the loader's.
  const std::string name = started.substr(started.rfind('/') + 1);
  prctl(PR_SET_NAME, name.c_str(), 0, 0, 0);
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
