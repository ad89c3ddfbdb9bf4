#pragma once
// The three 36-azimuth antenna patterns of an assignment: effective antenna height (9EC,
// <ANT_HGT>) and the attenuations of the vertically (9NV, <ANT_DIAGR_V>) and horizontally
// (9NH, <ANT_DIAGR_H>) polarised components.

#include "notice/record.h"

#include <string>

namespace ondrell {

enum class AntennaPattern { EffectiveHeight, AttenuationV, AttenuationH };

const AntennaTable &PatternTable(const NoticeRecord &record, AntennaPattern pattern);

// Given: at least one of the 36 value texts is not empty (the entries' given flags are not looked at).
bool PatternGiven(const NoticeRecord &record, AntennaPattern pattern);

// Complete: all 36 entries carry both an azimuth text and a value text. True when complete, and
// `message` is emptied; otherwise `message` is set to the pattern's own text plus CR LF.
bool PatternComplete(const NoticeRecord &record, AntennaPattern pattern, std::string &message);

// Value ranges of the effective heights against [-3000, t_eff_hgtmax rounded] (3000 when
// t_eff_hgtmax is missing). Every entry is tested, given or not; an empty value reads as 0.
// Appends one fatal finding per entry outside; true when there is none.
bool ValidateEffectiveHeightPattern(const NoticeRecord &record, std::string &errors,
                                    const std::string &label);

// Attenuations in [0, 40] (azimuth by azimuth, horizontal before vertical), then that each
// pattern holds a 0 dB entry (vertical reported before horizontal). True when nothing fatal.
bool ValidateAttenuationPatterns(const NoticeRecord &record, std::string &errors, const std::string &label);

} // namespace ondrell
