# SPDX-FileCopyrightText: 2026 The Roots developers
#
# SPDX-License-Identifier: MIT

# Installs the project into STAGE_DIR and checks that the installed desktop
# entry, metainfo, icon and program point at each other, and that the
# copyright file is machine-readable and carries the tree's licence.
#   cmake -DBUILD_DIR=... -DSTAGE_DIR=... -DAPPSTREAMCLI=... -DLICENCE_FILE=... [-DWITH_PROGRAM=1]
#         -P CheckInstalledTree.cmake

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

set(copyright "${root}/share/doc/roots/copyright")
if(NOT EXISTS "${copyright}")
    message(FATAL_ERROR "no copyright file: ${copyright}")
endif()
file(READ "${copyright}" text)
if(NOT text MATCHES "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")
    message(FATAL_ERROR "${copyright} does not name the machine-readable format on its first line")
endif()
# Outside the empty lines between paragraphs, every line is a field or
# continues the field above it with a leading space.
file(STRINGS "${copyright}" lines)
foreach(line IN LISTS lines)
    if(NOT line STREQUAL "" AND NOT line MATCHES "^([A-Za-z-]+: |[ \t])")
        message(FATAL_ERROR "${copyright}: neither a field nor its continuation: '${line}'")
    endif()
endforeach()
# The holder and the licence text are the tree's. The licence paragraph is read
# back as a deb822 reader would: continuation lines lose their leading space,
# and a lone '.' stands for an empty line.
file(READ "${LICENCE_FILE}" licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" holder_line "${licence}")
set(holder "${CMAKE_MATCH_1}")
string(FIND "${licence}" "Permission is hereby granted" start)
string(SUBSTRING "${licence}" ${start} -1 body)
string(STRIP "${body}" body)
string(FIND "${text}" "\nFiles: *\nCopyright: ${holder}\nLicense: MIT\n" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${copyright} does not give '${holder}' as the holder of every file under MIT")
endif()
set(marker "\n\nLicense: MIT\n")
string(FIND "${text}" "${marker}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "${copyright} has no paragraph with the MIT licence text")
endif()
string(LENGTH "${marker}" marker_length)
math(EXPR at "${at} + ${marker_length}")
string(SUBSTRING "${text}" ${at} -1 shown)
string(REGEX REPLACE "\n[^ ].*" "" shown "${shown}")
string(REPLACE "\n .\n" "\n\n" shown "${shown}")
string(REPLACE "\n " "\n" shown "${shown}")
string(STRIP "${shown}" shown)
if(NOT shown STREQUAL body)
    message(FATAL_ERROR "${copyright}: the licence text read back differs from the tree's:\n${shown}")
endif()

execute_process(
    COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict "${STAGE_DIR}"
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate-tree rejected the installed files")
endif()
