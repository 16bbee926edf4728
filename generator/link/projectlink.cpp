#include "generator/link/projectlink.h"

#include "generator/link/collect.h"
#include "generator/link/download.h"

#include "generator/project/programimage.h"

namespace vosket {

LinkSettings linkSettingsOf(const CommSettings& comm)
{
    return { comm.port(), comm.baudChoice() };
}

int DownloadToTerminal(Project& project, int adapter, int kind)
{
    const ImageBuilder build = [&project] {
        NormalizeForms(project);
        PadMenuStrings(project);
        const ProgramImage image = BuildProgramImage(project);
        return Bytes(image.begin(), image.end());
    };
    return DownloadToTerminal(programLinkEnvironment(), linkSettingsOf(project.comm),
        static_cast<Adapter>(adapter), static_cast<DownloadKind>(kind), build);
}

int CollectData(const Project& project, int adapter)
{
    return CollectData(programLinkEnvironment(), linkSettingsOf(project.comm), static_cast<Adapter>(adapter));
}

} // namespace vosket
