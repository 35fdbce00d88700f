// Resource numbers of the main window's own pictures, carried in the program file.
#pragma once
#define ORV_RES_BANNER 101
#define ORV_RES_WINDOW_ICON 102
