# The version of the Debian package whose headers the cross build takes.
include(/usr/share/cmake/nlohmann_json/nlohmann_jsonConfigVersion.cmake)
