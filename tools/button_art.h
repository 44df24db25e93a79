#pragma once

#include <QImage>

// The pictures of the About panel's four buttons, drawn on the buttons' white face.
// Each in logical pixels, drawn at scale device pixels to each.
QImage drawMailPicture(qreal scale = 1);  // 40 x 40: a purple envelope, the e-mail button's mark
QImage drawPhonePicture(qreal scale = 1); // 32 x 32: a red radio mast sending out waves
QImage drawWebPicture(qreal scale = 1);   // 32 x 32: a computer screen in front of a blue globe
