#include "lang/message_table.h"

namespace tolmarin::lang {

const std::string& MessageText(const LanguageTexts& texts, int language, int number) {
  static const std::string kEmpty;
  if (language < 0 || language >= kLanguageCount || number < 1 || number > kMaxMessageNumber) {
    return kEmpty;
  }
  return texts.messageTable[static_cast<std::size_t>(language)][static_cast<std::size_t>(number)];
}

}  // namespace tolmarin::lang
