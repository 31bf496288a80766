// The eight 50 x 50 pictures of the display.
#pragma once
#include "graphics/rle.h"

extern const RleImage ImgExclamation;
extern const RleImage ImgQuestion;
extern const RleImage ImgAltSetup;
extern const RleImage ImgVsiSetup;
extern const RleImage ImgAsiSetup;
extern const RleImage ImgTimersSetup;
extern const RleImage ImgMiscSetup;
extern const RleImage ImgAdcValues;
