#pragma once

#include <QString>

class QLabel;

namespace comm::help {

// Placement of the shadow label relative to the main label.
enum ShadowStyle : int {
    kShadowAlignLeft = 0,  // shadow takes the main label's left edge, nothing else changes
    kShadowUpLeft = 1,     // 1 pixel left of and above, white behind black
    kShadowDownRight = 2,  // 1 pixel right of and below, white behind black
};

// Gives two sibling labels one caption and draws it as raised text: the caption is the given
// text, or the main label's own caption when the text is empty; the shadow label takes the
// main label's size and is placed by the style. Other style values only set the captions.
void ShadowCaption(QLabel* mainLabel, QLabel* shadowLabel, int style, const QString& caption = {});

}  // namespace comm::help
