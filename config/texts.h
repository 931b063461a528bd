// The texts the menu shows its user, each written here once in English and
// translated per language (resources/translations/*.ts): each backend looks
// a text up with its toolkit's own means. A message is a text and its
// arguments (%1, %2, ...), which may be messages themselves.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace discmenu {

// Stable numbers: they are the texts' numbers in the Windows string tables.
enum class Text : int {
  kRunTimeError = 1,
  kErrorNumber,
  kOk,
  kOutOfMemory,
  kTypeMismatch,
  kFileNotFound,
  kInputPastEndOfFile,
  kPathFileAccess,
  kDllFunctionNotFound,
  kInvalidPicture,
  kUnknownError,
  kItemName,
  kItemMissingNoItems,
  kItemMissing,
  kItemUnended,
  kShowFlagNotANumber,
  kIsADirectory,
  kNotARegularFile,
  kSystemSays,
  kPictureIsADirectory,
  kPictureEmpty,
  kPictureFileTooLarge,
  kPictureNoSize,
  kPictureTooLarge,
  kNotAPicture,
  kPictureUndecodable,
  kJpegCutOff,
  kGifCutOff,
  kBmpHeaderCutOff,
  kBmpDataCutOff,
  kNoProgramFolder,
  kCannotFind,
  kCannotOpen,
  kNoProgramToOpen,
  kNoDisplay,
  kCannotShowWindow,
  kCannotCreateWindow,
  kBackgroundPicture,
};

// The text in English, as written in the program: the key of every
// translation.
std::string_view EnglishText(Text text);

// Every text, in number order.
std::vector<Text> AllTexts();

// The translation of a text in the user's language, from the platform's
// translations; "" where there is none.
class Translator {
 public:
  virtual ~Translator() = default;
  virtual std::string Translate(Text text) const = 0;
};

// A text to show with its arguments: a text of the program's (translated
// when shown), or words shown as they are (a file name, a number, the
// system's own message).
class Message {
 public:
  Message() = default;
  // Words shown as they are.
  Message(std::string words);  // NOLINT: a plain string is a message
  Message(const char* words) : Message(std::string(words)) {}  // NOLINT
  Message(Text text, std::vector<Message> args);

  bool empty() const { return !text_ && words_.empty(); }

  // The message in English, or through `translator` where it has a
  // translation; %1 .. %9 are the arguments, each shown the same way.
  std::string Render(const Translator* translator = nullptr) const;

  bool operator==(const Message&) const = default;

 private:
  bool text_ = false;
  Text id_ = Text::kOk;
  std::string words_;
  std::vector<Message> args_;
};

// The languages the texts are translated into.
enum class Language {
  kEnglish,
  kTraditionalChinese,
  kSimplifiedChinese,
  kJapanese,
  kKorean,
  kGerman,
  kFrench,
  kSpanish
};

// The language of a locale or language tag: "zh_TW.UTF-8", "zh-Hant",
// "de_AT", "fr"; English for any other.
Language LanguageOfTag(std::string_view tag);

// The file name part of a language's translations: "zh_TW"; "" for English.
std::string_view LanguageCode(Language language);

}  // namespace discmenu
