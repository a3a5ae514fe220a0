# What every target of ours shares: the language, the warnings, the
# sanitizers, and the desktop entry beside a program installed into a folder.

# Our own targets build free of warnings; CI makes any new one an error.
option(VELMORA_WERROR "Treat compiler warnings as errors" OFF)
# AddressSanitizer and UndefinedBehaviorSanitizer over everything built here;
# any finding stops the program.
option(VELMORA_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

function(velmora_target_flags target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
    $<$<BOOL:${VELMORA_WERROR}>:-Werror>)
  if(VELMORA_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined
      -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A library of ours: its sources in the folder, its headers named from the
# top of the tree ("runtime/codepage.h").
function(velmora_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  velmora_target_flags(${name})
endfunction()

# A desktop entry beside a program installed into a folder of its own.
function(velmora_install_desktop_entry template)
  get_filename_component(name ${template} NAME_WLE)
  install(CODE "
    set(VELMORA_FOLDER \"\${CMAKE_INSTALL_PREFIX}\")
    set(entry \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${name}\")
    configure_file(\"${template}\" \"\${entry}\" @ONLY)
    file(CHMOD \"\${entry}\" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    message(STATUS \"Desktop entry: \${entry}\")")
endfunction()

# The sources of `targets`, with their folders: what lupdate reads of the
# libraries whose texts a program shows.
function(velmora_sources_of out)
  set(all "")
  foreach(target IN LISTS ARGN)
    get_target_property(sources ${target} SOURCES)
    get_target_property(folder ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
      if(NOT IS_ABSOLUTE "${source}")
        set(source "${folder}/${source}")
      endif()
      list(APPEND all "${source}")
    endforeach()
  endforeach()
  set(${out} "${all}" PARENT_SCOPE)
endfunction()
