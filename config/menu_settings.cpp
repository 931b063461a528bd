#include "config/menu_settings.h"

namespace discmenu {

const char* FieldName(int item) {
  static constexpr const char* kNames[kItemCount] = {
      "ShowFlag1",         "ShowFlag2",      "ShowFlag3",      "ShowFlag4",      "ShowFlag5",
      "ShowFlag6",         "ShowFlag7",      "ShowFlag8",      "LabelCaption1",  "LabelCaption2",
      "LabelCaption3",     "LabelCaption4",  "LabelCaption5",  "LabelCaption6",  "LabelCaption7",
      "LabelCaption8",     "Target1",        "Target2",        "Target3",        "Target4",
      "Target5",           "Target6",        "Target7",        "Target8",        "WindowCaption",
      "BackgroundPicture", "ButtonPicture1", "ButtonPicture2", "ButtonPicture3", "ButtonPicture4",
      "ButtonPicture5",    "ButtonPicture6", "ButtonPicture7", "ButtonPicture8",
  };
  return kNames[item - 1];
}

}  // namespace discmenu
