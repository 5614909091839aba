#include "config_dialog_texts.h"

const char *const ABOUT_CAPTION = "Who did this f***ing hip screensaver ?";

const char *const ABOUT_TEXT = "Sinuet 1.5, the swinging sinuets and that somehow drunken frog.\r"
                               "\r"
                               "Written in 2026 by the Sinuet team.\r"
                               "Updates are found on the Sinuet project page.\r"
                               "\r"
                               "Sinuet is free: copy it and give it to anyone you like.";

const char *const HELP_CAPTION = "How to use this f***ing hip screensaver ?";

const char *const HELP_TEXT =
    "SINUETS field:\r"
    " Enter the number of sinuets (max. 50), that you want to see.\r"
    " If you choose a 'forbidden' number it gets corrected automatically.\r"
    "\r"
    " LOOPS field:\r"
    "Enter the number of loops, that you want the sinuets to do each minute.\r"
    "The allowed range is from 1 to 10. For slow PCs choose lower numbers.\r"
    "\r"
    "'SHOW ME ZE FROG' box:\r"
    "Select this box when you want to see the frog in the middle of the screen.\r"
    "If you don't select it the center of your screen remains blank (and more serious).\r"
    "\r"
    "'3D' box:\r"
    "When selected you see the sinuets from a 3D point of view.\r"
    "\r"
    "FADE OUT box:\r"
    "Select to color the outer sinuets darker, than the one in the middle.\r"
    "\r"
    "COLOR button:\r"
    "When clicking this button you can select any color you want the sinuets to have.\r"
    "\r"
    "All your settings will be used and saved automatically when you hit the OK button.\r"
    "In case you hit the CANCEL button you leave the dialog without making any changes.\r"
    "\r"
    "If you want to know who programmed this saver and how to get updates: Click on 'ABOUT'.";
