#include "config/texts.h"

#include <algorithm>
#include <cctype>
#include <iterator>

// Marks a text for lupdate (scripts/update-translations.sh), which knows it
// as QT_TRANSLATE_NOOP.
#define DISCMENU_TEXT(context, text) text

namespace discmenu {

namespace {

struct TextEntry {
  Text text;
  const char* english;
};

// One line a text, so that scripts/ts_to_rc.py can read the table.
// clang-format off
constexpr TextEntry kTexts[] = {
    {Text::kRunTimeError, DISCMENU_TEXT("discmenu", "Run-time error %1:")},
    {Text::kErrorNumber, DISCMENU_TEXT("discmenu", "error %1")},
    {Text::kOk, DISCMENU_TEXT("discmenu", "OK")},
    {Text::kOutOfMemory, DISCMENU_TEXT("discmenu", "Out of memory")},
    {Text::kTypeMismatch, DISCMENU_TEXT("discmenu", "Type mismatch")},
    {Text::kFileNotFound, DISCMENU_TEXT("discmenu", "File not found")},
    {Text::kInputPastEndOfFile, DISCMENU_TEXT("discmenu", "Input past end of file")},
    {Text::kPathFileAccess, DISCMENU_TEXT("discmenu", "Path/File access error")},
    {Text::kDllFunctionNotFound, DISCMENU_TEXT("discmenu", "Specified DLL function not found")},
    {Text::kInvalidPicture, DISCMENU_TEXT("discmenu", "Invalid picture")},
    {Text::kUnknownError, DISCMENU_TEXT("discmenu", "Application-defined or object-defined error")},
    {Text::kItemName, DISCMENU_TEXT("discmenu", "item %1 (%2)")},
    {Text::kItemMissingNoItems, DISCMENU_TEXT("discmenu", "%1 is missing: the file holds no items")},
    {Text::kItemMissing, DISCMENU_TEXT("discmenu", "%1 is missing: the file ends after %2 of the %3 items")},
    {Text::kItemUnended, DISCMENU_TEXT("discmenu", "%1 does not end within the first %2 MiB of the file; is a closing double quote missing?")},
    {Text::kShowFlagNotANumber, DISCMENU_TEXT("discmenu", "%1 is the text \"%2\", which is not a number: write 1 to show entry %3 or 0 to hide it")},
    {Text::kIsADirectory, DISCMENU_TEXT("discmenu", "%1: is a directory")},
    {Text::kNotARegularFile, DISCMENU_TEXT("discmenu", "%1: is not a regular file")},
    {Text::kSystemSays, DISCMENU_TEXT("discmenu", "%1: %2")},
    {Text::kPictureIsADirectory, DISCMENU_TEXT("discmenu", "%1: is a directory, not a picture file")},
    {Text::kPictureEmpty, DISCMENU_TEXT("discmenu", "%1: the file is empty")},
    {Text::kPictureFileTooLarge, DISCMENU_TEXT("discmenu", "%1: the file is larger than the %2 MiB a picture file may take")},
    {Text::kPictureNoSize, DISCMENU_TEXT("discmenu", "%1: the picture has no size")},
    {Text::kPictureTooLarge, DISCMENU_TEXT("discmenu", "%1: the picture is %2 x %3 pixels, more than the 64 megapixels a picture may have")},
    {Text::kNotAPicture, DISCMENU_TEXT("discmenu", "%1: not a picture file that can be read")},
    {Text::kPictureUndecodable, DISCMENU_TEXT("discmenu", "%1: the picture cannot be decoded (%2)")},
    {Text::kJpegCutOff, DISCMENU_TEXT("discmenu", "%1: the JPEG data ends too early (the file is cut off)")},
    {Text::kGifCutOff, DISCMENU_TEXT("discmenu", "%1: the GIF data ends too early (the file is cut off)")},
    {Text::kBmpHeaderCutOff, DISCMENU_TEXT("discmenu", "%1: the BMP header is cut off")},
    {Text::kBmpDataCutOff, DISCMENU_TEXT("discmenu", "%1: the BMP pixel data is cut off")},
    {Text::kNoProgramFolder, DISCMENU_TEXT("discmenu", "cannot tell the folder that holds the running program")},
    {Text::kCannotFind, DISCMENU_TEXT("discmenu", "cannot find \"%1\". Make sure the name is right, then try again.")},
    {Text::kCannotOpen, DISCMENU_TEXT("discmenu", "cannot open \"%1\": %2")},
    {Text::kNoProgramToOpen, DISCMENU_TEXT("discmenu", "cannot open \"%1\": no program is available to open it")},
    {Text::kNoDisplay, DISCMENU_TEXT("discmenu", "cannot show the menu window: no display (neither DISPLAY nor WAYLAND_DISPLAY is set)")},
    {Text::kCannotShowWindow, DISCMENU_TEXT("discmenu", "cannot show the menu window: %1")},
    {Text::kCannotCreateWindow, DISCMENU_TEXT("discmenu", "cannot create the menu window")},
    {Text::kBackgroundPicture, DISCMENU_TEXT("discmenu", "Background picture")},
};
// clang-format on

}  // namespace

std::string_view EnglishText(Text text) {
  for (const TextEntry& e : kTexts)
    if (e.text == text) return e.english;
  return "";
}

std::vector<Text> AllTexts() {
  std::vector<Text> texts;
  for (const TextEntry& e : kTexts) texts.push_back(e.text);
  return texts;
}

Message::Message(std::string words) : words_(std::move(words)) {}

Message::Message(Text text, std::vector<Message> args)
    : text_(true), id_(text), args_(std::move(args)) {}

std::string Message::Render(const Translator* translator) const {
  if (!text_) return words_;
  std::string format = translator ? translator->Translate(id_) : std::string();
  if (format.empty()) format = EnglishText(id_);
  std::string out;
  for (size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    const size_t arg = i + 1 < format.size() ? format[i + 1] - '1' : args_.size();
    if (c == '%' && arg < args_.size() && arg < 9) {
      out += args_[arg].Render(translator);
      ++i;
    } else {
      out += c;
    }
  }
  return out;
}

Language LanguageOfTag(std::string_view tag) {
  std::string t(tag.substr(0, tag.find_first_of(".@")));
  std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) {
    return c == '-' ? '_' : static_cast<char>(std::tolower(c));
  });
  const std::string language = t.substr(0, t.find('_'));
  const std::string rest = t.size() > language.size() ? t.substr(language.size() + 1) : "";
  if (language == "zh") {
    const bool traditional = rest.starts_with("tw") || rest.starts_with("hk") ||
                             rest.starts_with("mo") || rest.starts_with("hant");
    return traditional ? Language::kTraditionalChinese : Language::kSimplifiedChinese;
  }
  if (language == "ja") return Language::kJapanese;
  if (language == "ko") return Language::kKorean;
  if (language == "de") return Language::kGerman;
  if (language == "fr") return Language::kFrench;
  if (language == "es") return Language::kSpanish;
  return Language::kEnglish;
}

std::string_view LanguageCode(Language language) {
  switch (language) {
    case Language::kTraditionalChinese:
      return "zh_TW";
    case Language::kSimplifiedChinese:
      return "zh_CN";
    case Language::kJapanese:
      return "ja";
    case Language::kKorean:
      return "ko";
    case Language::kGerman:
      return "de";
    case Language::kFrench:
      return "fr";
    case Language::kSpanish:
      return "es";
    case Language::kEnglish:
      break;
  }
  return "";
}

}  // namespace discmenu
