#pragma once
// Records of every notice kind, filled as screen capture would fill them (tests/support/notices.tsv);
// shared by the writer's golden tests, the reader's round trips, the tool's tests and the benchmarks.

#include "support/record_text.h"

namespace ondrell::samples {

inline NoticeRecord Gs1Article4() {
    return record_text::Named("Gs1Article4");
}
inline NoticeRecord Gt1Article5Modify() {
    return record_text::Named("Gt1Article5Modify");
}
inline NoticeRecord Gs2WithContours() {
    return record_text::Named("Gs2WithContours");
}
inline NoticeRecord Ga1WithPoints() {
    return record_text::Named("Ga1WithPoints");
}
inline NoticeRecord Tb2() {
    return record_text::Named("Tb2");
}
inline NoticeRecord Tb3() {
    return record_text::Named("Tb3");
}
inline NoticeRecord Tb5() {
    return record_text::Named("Tb5");
}
// An Article 4 GS1 whose internal remarks ask for Part B publication: written as a TB3 request.
inline NoticeRecord Gs1MarkedTb3() {
    return record_text::Named("Gs1MarkedTb3");
}

} // namespace ondrell::samples
