#include "catalogue/pipe_list.h"

std::u16string pipeField(const std::u16string& list, int n) {
  if (n < 1) return {};
  size_t start = 0;
  for (int field = 1; field < n; ++field) {
    size_t bar = list.find(u'|', start);
    if (bar == std::u16string::npos) return {};
    start = bar + 1;
  }
  size_t end = list.find(u'|', start);
  return list.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
}
