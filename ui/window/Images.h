#pragma once

// The program's pictures, drawn at run time so that no binary resource is needed.

#include <QIcon>
#include <QPixmap>

// The 16 x 16 image `image` of the views' strip: 1-8 the kinds of the
// top-level containers, 12 and 13 a closed and an open folder, 14-16 and
// 0 the small records (any other number gives a plain square).
QIcon DirectoryImage(int image);

// The toolbar image of a command.
QIcon CommandImage(int commandId);

// The picture of the splash screen and the About box.
QPixmap ProgramPicture();

// The bulb of the "Tip of the Day" panel.
QPixmap TipPicture();
