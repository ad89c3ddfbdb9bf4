#pragma once
// Screen capture: copies what the user typed on a notice form into a fresh NoticeRecord, reading the
// form by control name through FormControls. Capture checks nothing and leaves the form unchanged.

#include "notice/form_controls.h"
#include "notice/record.h"
#include "notice/vocabulary.h"

#include <string>

namespace ondrell {

// Who captured the notice and when; kept in the record but never written to the file.
struct CaptureStamp {
    std::string captured_on; // "yyyy-mm-dd"
    std::string captured_by; // CurrentUserName

    // Today's date and the login name of the current user.
    static CaptureStamp Now();
};

// The GS1, GT1, GS2, GT2, TB2, TB3 and TB5 forms: TB5, TB3 and TB2 have their own capture; every
// other code runs the common part, then the assignment part (GS1, GT1) or the allotment part (GS2, GT2).
void CaptureNotice(const FormControls &form, NoticeRecord &record, CaptureCode code,
                   const CaptureStamp &stamp = CaptureStamp::Now());

// The GA1 form: the sub-area and its test points.
void CaptureSubAreaNotice(const FormControls &form, NoticeRecord &record,
                          const CaptureStamp &stamp = CaptureStamp::Now());

// Control names of the three azimuth tables: "Txt_9EC_azm000" .. "Txt_9EC_azm350",
// "Txt_9NHAzm000" .. and "Txt_9NVAzm000" ..; index 0..35 is azimuth 10*index.
enum class AzimuthTable { EffHeight, AttnH, AttnV };
std::string AzimuthControlName(AzimuthTable table, int index);

} // namespace ondrell
