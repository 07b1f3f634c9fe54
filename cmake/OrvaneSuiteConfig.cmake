# find_package(OrvaneSuite) for C++ clients of the installed library: the target
# OrvaneSuite::OrvaneSuite brings the generated header (OrvaneSuite_h.h, the dual
# interfaces and enumerations) and the class and interface identifiers. Objects are
# created through COM, so nothing links against the library itself; register it
# with the scripts at the root of the release folder.
get_filename_component(_orvane_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)

if(NOT TARGET OrvaneSuite::OrvaneSuite)
  add_library(OrvaneSuite::OrvaneSuite INTERFACE IMPORTED)
  get_property(_orvane_languages GLOBAL PROPERTY ENABLED_LANGUAGES)
  if("C" IN_LIST _orvane_languages)
    set(_orvane_identifiers "${_orvane_prefix}/include/OrvaneSuite_i.c")
  else()
    set(_orvane_identifiers "${CMAKE_CURRENT_LIST_DIR}/OrvaneSuiteIdentifiers.cpp")
  endif()
  set_target_properties(OrvaneSuite::OrvaneSuite PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${_orvane_prefix}/include"
    INTERFACE_SOURCES "${_orvane_identifiers}"
    INTERFACE_LINK_LIBRARIES "ole32;oleaut32;uuid")
  unset(_orvane_languages)
  unset(_orvane_identifiers)
endif()

set(OrvaneSuite_TYPELIB "${_orvane_prefix}/lib/TVOrvaneSuite.tlb")
set(OrvaneSuite_DLL_x64 "${_orvane_prefix}/bin/x64/OrvaneSuite.dll")
set(OrvaneSuite_DLL_x86 "${_orvane_prefix}/bin/x86/OrvaneSuite.dll")
unset(_orvane_prefix)
