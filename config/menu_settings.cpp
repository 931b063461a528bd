#include "config/menu_settings.h"

namespace discmenu {

std::string FieldName(int item) {
  const FieldGroup& group = GroupOf(item);
  std::string name(group.name);
  if (group.count > 1) name += std::to_string(EntryOf(item));
  return name;
}

Variant& MenuSettings::VariantField(int item) {
  const int i = EntryOf(item) - 1;
  switch (GroupOf(item).kind) {
    case FieldKind::kShowFlag:
      return ShowFlag[i];
    case FieldKind::kCaption:
      return LabelCaption[i];
    case FieldKind::kTarget:
      return Target[i];
    case FieldKind::kTitle:
      return WindowCaption;
    case FieldKind::kPicture:
      break;
  }
  return kBackground.Holds(item) ? BackgroundPicture : ButtonPicture1To7[i];
}

}  // namespace discmenu
