#pragma once

#include <QImage>

// The pictures of the About panel's four buttons, drawn on the buttons' white face.
QImage drawMailPicture();  // 40 x 40: a purple envelope, the letter mark of the e-mail button
QImage drawPhonePicture(); // 32 x 32: a red radio mast sending out waves
QImage drawWebPicture();   // 32 x 32: a computer screen in front of a blue globe
