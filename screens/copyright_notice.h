// The game's copyright line, shown by the title screen's information box and written into the
// executable's version resource (this header is read by the resource compiler too).
#pragma once

#define TROVEL_COPYRIGHT_NOTICE "Copyright (C) 2026 Trovel 開発チーム"
