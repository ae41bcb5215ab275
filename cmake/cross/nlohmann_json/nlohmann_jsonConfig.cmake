# nlohmann's JSON is header-only, so a cross build may take Debian's copy: its headers alone, since the
# rest of /usr/include is Linux's and must not come before the cross compiler's own.
if(NOT TARGET nlohmann_json::nlohmann_json)
    set(_orvesc_json_include ${CMAKE_BINARY_DIR}/host-headers)
    file(MAKE_DIRECTORY ${_orvesc_json_include})
    if(NOT EXISTS ${_orvesc_json_include}/nlohmann)
        file(CREATE_LINK /usr/include/nlohmann ${_orvesc_json_include}/nlohmann SYMBOLIC)
    endif()
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES ${_orvesc_json_include})
endif()
