# Builds one Windows Installer package from installer/vardeko.wxs: wixl, then what wixl cannot
# write itself, set with msibuild. Run by installer/CMakeLists.txt as
#   cmake -DWIXL=... -DMSIBUILD=... -DSOURCE=vardeko.wxs -DWORK_DIR=... -DOUTPUT=x.msi
#         -DVERSION=0.20 -DFILE_VERSION=0.20.0.0 -DARCH=x64|x86 -DMANUFACTURER=...
#         -DDLL=... -DHOST=... -DCALC=... -DICON=... -DCLASS_KEY=Software\Classes\CLSID\{...}
#         -P build_package.cmake
# WORK_DIR holds registration.wxi. The package appears under OUTPUT only when it is complete.

# wixl takes its sources relative to where it runs.
foreach(file DLL HOST CALC ICON)
    file(RELATIVE_PATH ${file}_SOURCE ${WORK_DIR} ${${file}})
endforeach()

set(partial ${OUTPUT}.partial)
file(REMOVE ${partial})
execute_process(
    COMMAND ${WIXL} -a ${ARCH} -I ${WORK_DIR} -o ${partial}
            -D Version=${VERSION} -D Manufacturer=${MANUFACTURER} -D Arch=${ARCH}
            -D DllSource=${DLL_SOURCE} -D HostSource=${HOST_SOURCE} -D CalcSource=${CALC_SOURCE}
            -D IconSource=${ICON_SOURCE} ${SOURCE}
    WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0 OR NOT EXISTS ${partial})
    message(FATAL_ERROR "wixl could not build ${OUTPUT}:\n${output}")
endif()

set(queries
    # wixl writes the root HKMU, the classes of the install's scope, as 4, which Windows Installer
    # does not know (Wine's then writes nothing): its number is -1.
    "UPDATE `Registry` SET `Root` = -1 WHERE `Root` = 4"
    # On uninstall the component's CLSID key goes whole, with the pad state and options that the
    # keypad stored in it, as DllUnregisterServer removes it; and the panel's remembered place.
    # (A name of "-" removes the key with its subkeys when the component is removed; WiX's
    # RemoveRegistryKey would write these rows, which wixl does not know.)
    "INSERT INTO `Registry` (`Registry`, `Root`, `Key`, `Name`, `Component_`) VALUES ('RemoveClassKey', -1, '${CLASS_KEY}', '-', 'Dll')"
    "INSERT INTO `Registry` (`Registry`, `Root`, `Key`, `Name`, `Component_`) VALUES ('RemovePanelPlace', 1, 'Software\\Vardeko', '-', 'StartMenu')"
    # The programs carry version resources: an upgrade replaces a file by its version, where a
    # file without one would be kept as changed by the user once its dates differ.
    "UPDATE `File` SET `Version` = '${FILE_VERSION}', `Language` = '1033'"
    "DROP TABLE `MsiFileHash`"
    # The shortcut starts the host minimised and inactive (WiX's Show="minimized", which wixl
    # ignores): Windows then shows the console window that a console program gets that way, and
    # the application the user was in keeps the activation; the host lets the console go.
    "UPDATE `Shortcut` SET `ShowCmd` = 7 WHERE `Shortcut` = 'Keypad'"
    # wixl marks its property-setting actions as not impersonating, which only deferred actions
    # can be.
    "UPDATE `CustomAction` SET `Type` = 51 WHERE `Type` = 2099")
foreach(query IN LISTS queries)
    execute_process(COMMAND ${MSIBUILD} ${partial} -q ${query}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "msibuild could not run \"${query}\" on ${partial}:\n${output}")
    endif()
endforeach()
file(RENAME ${partial} ${OUTPUT})
