// install.ini as an editor holds it: the file's bytes, read by the menu's
// own reader, and where each of the first 34 items lies in them. With
// nothing edited it gives back the bytes it was made from; an edit changes
// the bytes of its item and nothing else: the byte-order mark, the encoding,
// line ends, separators, blanks, quoting of the other items and whatever
// follows the 34th item stay as they were.
#pragma once

#include <string>
#include <string_view>

#include "config/error.h"
#include "config/install_ini.h"
#include "config/menu_settings.h"
#include "config/text_decoding.h"

namespace discmenu {

// What became of an edit. Anything but kDone and kUnchanged leaves the
// document as it was.
enum class EditOutcome {
  kDone,
  kUnchanged,     // the item already reads so
  kNotWritable,   // no item can hold the text: it has a double quote where
                  // only a quoted item could hold the rest
  kNotEncodable,  // the file's encoding has no place for a character of it
  kNeedsUtf8,     // written in place, the file would not read back as
                  // meant (its encoding would be taken for another, or its
                  // bytes do not map back to its text): convert it first
  kMissing,       // the file ends before the item: Complete() adds it
};

class IniDocument {
 public:
  // Reads `bytes`, the whole of install.ini, as the menu reads it. `path`
  // names the file in errors; `legacy` must outlive the document. With
  // `take_short`, a file whose one fault is that it ends before item 34
  // opens too: held() says how many items it holds; the others read as
  // empty and are not edited (kMissing) until Complete() adds them.
  static Error Open(std::string bytes, std::string path, const LegacyDecoder& legacy,
                    IniDocument* out, bool take_short = false);

  const std::string& bytes() const { return bytes_; }
  const std::string& path() const { return path_; }
  TextEncoding encoding() const { return {read_.encoding, read_.encoding_name}; }

  // Item `n` (1-34) as the menu reads it, and the value it gives its field.
  const Item& item(int n) const { return read_.items[n - 1]; }
  int held() const { return held_; }
  Variant Value(int n) const { return ItemValue(item(n), n); }
  MenuSettings Settings() const { return ToMenuSettings(read_.items); }

  // Makes item `n` read as `text` (UTF-8), written as the item was, quoted
  // or not, where the text allows, and quoted where it must be: a
  // separator, blanks at its ends, a leading quote, or (outside item 34) a
  // text that would otherwise read as a number with other digits ("1.0").
  EditOutcome SetText(int n, std::string_view text);

  // Rewrites the whole file as UTF-8 with a byte-order mark, which holds
  // any text: line ends, separators, quoting and what follows the items are
  // kept (bytes the file's encoding has no character for, which the menu
  // shows as U+FFFD, become U+FFFD). kUnchanged for a file that is so
  // already.
  EditOutcome ConvertToUtf8();

  // Adds the items a short file lacks after its end, one a line, in the
  // file's encoding and line ends (CR LF where it has none): show flags 0,
  // so the new entries are hidden; a button picture as the one before it
  // (the menu loads pictures even for hidden entries; with none before, it
  // stays empty, as do the other texts). The bytes before stay as they
  // were. kUnchanged when the file has all 34 items; kNotWritable when
  // they would not read as added (a quote left open at its end).
  EditOutcome Complete();

 private:
  // The bytes of item `n` as [*first, *last) of bytes_, or false when the
  // file's text up to there does not encode back to its own bytes.
  bool ItemBytes(int n, size_t* first, size_t* last) const;
  // Takes `bytes` when they read as the items of `expected`; false if not.
  bool Adopt(std::string bytes, const std::vector<Item>& expected);

  std::string bytes_;
  std::string path_;
  const LegacyDecoder* legacy_ = nullptr;
  ItemsRead read_;
  int held_ = kItemCount;
};

}  // namespace discmenu
