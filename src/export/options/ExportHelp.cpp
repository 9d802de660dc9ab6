#include "export/ExportArguments.h"

namespace Export {

QString ExportHelp()
{
    return "Export options:\n"
           "  export encodes the frames of a film folder that render made as a video,\n"
           "  its type by the ending: .mp4 (H.264), .webm (VP9) or .gif. It reads bitmap\n"
           "  and PNG frames; a frame there in both is taken from the bitmap, or from the\n"
           "  PNG when the bitmap is not whole.\n" +
           ExportOptionTable().help() +
           "      --              ends the options: FOLDER may then start with --\n"
           "  On a terminal a bar shows the frames encoded of all, the elapsed and the\n"
           "  remaining time.\n"
           "\n"
           "Export exit status:\n"
           "  0 written; 1 no frame found, or the video could not be written; 2 wrong\n"
           "  arguments, a folder whose name is not a film's, or a picture larger than\n"
           "  the encoders take or the memory holds; 129 SIGHUP; 130 Ctrl-C; 143 SIGTERM.\n";
}

} // namespace Export
