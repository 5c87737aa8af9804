# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

# Installs the project into STAGE_DIR and checks that the installed desktop
# entry, metainfo, icon and program point at each other.
#   cmake -DBUILD_DIR=... -DSTAGE_DIR=... -DAPPSTREAMCLI=... [-DWITH_PROGRAM=1] -P CheckInstalledTree.cmake

file(REMOVE_RECURSE "${STAGE_DIR}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE_DIR}/usr"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(root "${STAGE_DIR}/usr")
set(desktop "${root}/share/applications/roots.desktop")
if(NOT EXISTS "${desktop}")
    message(FATAL_ERROR "desktop entry not installed: ${desktop}")
endif()

file(STRINGS "${desktop}" icon_line REGEX "^Icon=")
file(STRINGS "${desktop}" exec_line REGEX "^Exec=")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" program "${exec_line}")

set(icon_file "${root}/share/icons/hicolor/scalable/apps/${icon}.svg")
if(NOT EXISTS "${icon_file}")
    message(FATAL_ERROR "Icon=${icon} has no installed icon ${icon_file}")
endif()
if(WITH_PROGRAM AND NOT EXISTS "${root}/bin/${program}")
    message(FATAL_ERROR "Exec=${program} has no installed program in ${root}/bin")
endif()

execute_process(
    COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict "${STAGE_DIR}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree rejected the installed files")
endif()
