#include "flow/headless.h"

namespace tomaruk {

void HeadlessHost::MessageBox(const std::string& text) {
  if (text == "いつまでやっとんねん。") {
    ++turnGuards;
  } else if (text == "ライン下げすぎっ") {
    ++lineGuards;
  } else {
    ++otherMessages;
  }
}

}  // namespace tomaruk
