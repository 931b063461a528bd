#include "menu/form1.h"

#include <memory>
#include <string>

#include "config/diagnostics.h"
#include "menu/presentation.h"

namespace discmenu {

namespace {

std::string FileNameIn(Runtime& runtime, const std::string& value) {
  return runtime.AppPath() + value.substr(0, value.find('\0'));
}

Error ReadSettings(Runtime& runtime, MenuSettings* settings) {
  std::unique_ptr<ByteSource> file;
  const std::string path = FileNameIn(runtime, kConfigFileName);
  if (Error e = runtime.OpenForInput(path, &file); !e.ok()) return e;
  return ReadMenuSettings(*file, runtime.ShownName(path), runtime.legacy_decoder(), settings);
}

}  // namespace

std::string Form1::FileName(const std::string& value) {
  return FileNameIn(runtime_, value);
}

Error Form1::ReadConfiguration() {
  // The file is closed before anything is applied.
  MenuSettings read;
  if (Error e = ReadSettings(runtime_, &read); !e.ok()) return e;
  settings_ = std::move(read);
  return Error();
}

std::vector<PictureToLoad> PicturesToLoad(Runtime& runtime) {
  MenuSettings settings;
  if (!ReadSettings(runtime, &settings).ok()) return {};
  std::vector<PictureToLoad> pictures = {
      {FileNameIn(runtime, settings.BackgroundPicture.AsText()), Area::kPicture1}};
  for (int n = 1; n <= kEntryCount; ++n)
    pictures.push_back({FileNameIn(runtime, settings.ButtonPictureText(n)), Area::kButton});
  return pictures;
}

Error Form1::Form_Load() {
  if (Error e = ReadConfiguration(); !e.ok()) return e;

  for (int n = 1; n <= kEntryCount; ++n) {
    std::optional<bool> shown = EqualsOne(settings_.ShowFlag[n - 1]);
    if (!shown) {
      return Error::TypeMismatch(Message(
          Text::kSystemSays, {runtime_.ShownName(FileName(kConfigFileName)),
                              ShowFlagNotANumberSentence(n, settings_.ShowFlag[n - 1].AsText())}));
    }
    window_.SetCommandVisible(n, *shown);
    window_.SetLabelVisible(n, *shown);
  }

  for (int n = 1; n <= kEntryCount; ++n)
    window_.SetLabelCaption(n, settings_.LabelCaption[n - 1].AsText());

  window_.SetCaption(settings_.WindowCaption.AsText());

  // A window at 150 % or more shows @2x twins: they are loaded with their
  // pictures.
  const bool twins = presentation::WantsTwin(window_.scale());
  {
    PictureRef picture;
    if (Error e = runtime_.LoadPicture(FileName(settings_.BackgroundPicture.AsText()),
                                       Area::kPicture1, twins, &picture);
        !e.ok())
      return e;
    window_.SetPicture1Picture(std::move(picture));
  }

  for (int n = 1; n <= kEntryCount; ++n) {
    PictureRef picture;
    if (Error e = runtime_.LoadPicture(FileName(settings_.ButtonPictureText(n)), Area::kButton,
                                       twins, &picture);
        !e.ok())
      return e;
    window_.SetCommandPicture(n, std::move(picture));
  }
  return Error();
}

Error Form1::CommandClick(int n) {
  const WindowHandle owner = window_.hWnd();
  const std::string file = FileName(settings_.Target[n - 1].AsText());
  // The path stays Unicode (UTF-8) all the way to the backend, which hands
  // it to the OS in its native wide or file-system form: converting it to an
  // 8-bit code page would lose every character the code page lacks.
  return shell_.Open(owner, file).error;
}

}  // namespace discmenu
