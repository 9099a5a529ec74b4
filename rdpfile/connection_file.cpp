/*
 * connection_file.cpp: the RemoteApp connection file that mstsc is started
 * on. It opens the profile's published application and stays on the desktop,
 * named after the profile's caption.
 */
#include "rdpfile.h"

#include "../launcher/launcher.h"
#include "../platform/platform.h"

/* Paths of this length or more do not fit the name field the file is
 * created under. */
static const std::string::size_type PathLimit = 260;

/* One line of the file: fixed text, then the launch value it names, if any. */
struct ConnectionLine {
    const char *Text;
    std::string LaunchRecord::*Value;
};

/* The connection settings, in the order the client is given them. The user
 * name and password are never written here: they travel through the
 * credential store. */
static const ConnectionLine ConnectionLines[] = {
    {"redirectclipboard:i:1", nullptr},
    {"redirectposdevices:i:0", nullptr},
    {"redirectprinters:i:1", nullptr},
    {"redirectcomports:i:0", nullptr},
    {"redirectsmartcards:i:0", nullptr},
    {"devicestoredirect:s:*", nullptr},
    {"drivestoredirect:s:*", nullptr},
    {"redirectdrives:i:1", nullptr},
    {"session bpp:i:24", nullptr},
    {"prompt for credentials on client:i:1", nullptr},
    {"span monitors:i:1", nullptr},
    {"use multimon:i:1", nullptr},
    {"remoteapplicationmode:i:1", nullptr},
    {"server port:i:", &LaunchRecord::Port},
    {"allow font smoothing:i:1", nullptr},
    {"promptcredentialonce:i:1", nullptr},
    {"authentication level:i:0", nullptr},
    {"gatewayusagemethod:i:2", nullptr},
    {"gatewayprofileusagemethod:i:0", nullptr},
    {"gatewaycredentialssource:i:0", nullptr},
    {"full address:s:", &LaunchRecord::Host},
    {"alternate shell:s:||", &LaunchRecord::AppAlias},
    {"remoteapplicationprogram:s:||", &LaunchRecord::AppAlias},
    {"gatewayhostname:s:", nullptr},
    {"remoteapplicationname:s:", &LaunchRecord::AppAlias},
    {"remoteapplicationcmdline:s:", nullptr},
    {"screen mode id:i:2", nullptr},
    {"winposstr:s:0,3,0,0,800,600", nullptr},
    {"compression:i:1", nullptr},
    {"keyboardhook:i:2", nullptr},
    {"audiocapturemode:i:0", nullptr},
    {"videoplaybackmode:i:1", nullptr},
    {"connection type:i:7", nullptr},
    {"networkautodetect:i:1", nullptr},
    {"bandwidthautodetect:i:1", nullptr},
    {"displayconnectionbar:i:1", nullptr},
    {"enableworkspacereconnect:i:0", nullptr},
    {"disable wallpaper:i:0", nullptr},
    {"allow desktop composition:i:0", nullptr},
    {"disable full window drag:i:1", nullptr},
    {"disable menu anims:i:1", nullptr},
    {"disable themes:i:0", nullptr},
    {"disable cursor setting:i:0", nullptr},
    {"bitmapcachepersistenable:i:1", nullptr},
    {"audiomode:i:0", nullptr},
    {"autoreconnection enabled:i:1", nullptr},
    {"prompt for credentials:i:0", nullptr},
    {"negotiate security layer:i:1", nullptr},
    {"remoteapplicationicon:s:", nullptr},
    {"shell working directory:s:", nullptr},
    {"gatewaybrokeringtype:i:0", nullptr},
    {"use redirection server name:i:0", nullptr},
    {"rdgiskdcproxy:i:0", nullptr},
    {"kdcproxyname:s:", nullptr},
    {"desktopwidth:i:800", nullptr},
    {"desktopheight:i:600", nullptr},
};

std::string GetDesktopFolder()
{
    std::string folder;
    if (!QueryDesktopFolder(folder))
        RaiseInOutError(3);
    return folder;
}

std::string ConnectionFilePath()
{
    return GetDesktopFolder() + "\\" + Launch.Caption + ".rdp";
}

std::string ConnectionFileContent()
{
    std::string content;
    for (const ConnectionLine &line : ConnectionLines) {
        content += line.Text;
        if (line.Value)
            content += Launch.*line.Value;
        content += "\r\n";
    }
    return content;
}

void WriteConnectionFile()
{
    std::string path = ConnectionFilePath();
    if (path.size() >= PathLimit)
        RaiseInOutError(3);

    FileHandle file = 0;
    if (unsigned error = CreateFileForWriting(path, file))
        RaiseInOutError(error);
    /* The whole content goes out in one write; a failed write still closes
     * the file, keeping whatever bytes reached it. */
    if (unsigned error = WriteToFile(file, ConnectionFileContent())) {
        CloseFile(file);
        RaiseInOutError(error);
    }
    if (unsigned error = CloseFile(file))
        RaiseInOutError(error);
}
