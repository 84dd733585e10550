#include "platform/file_title.h"

namespace ko {

Text fileTitleOf(TextView path) {
  const size_t slash = path.find_last_of(u"\\/");
  TextView file = path.substr(slash == TextView::npos ? 0 : slash + 1);
  const size_t dot = file.rfind(u'.');
  if (dot != TextView::npos && dot > 0) file = file.substr(0, dot);
  return Text(file);
}

}  // namespace ko
