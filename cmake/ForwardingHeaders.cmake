# velmaris_forward_headers(<source-dir> <include-dir>)
# Gives every header below <source-dir> a twin at the same relative path below <include-dir>
# that only includes the original, so that "<include-dir>/..." resolves to the sources without
# a symbolic link (which Windows does not grant everyone) and errors point at the real file.
# Adding or removing a header reconfigures the build.
function(velmaris_forward_headers source_dir include_dir)
    # Older build trees linked the folder itself: writing through that link would overwrite the
    # sources.
    if(IS_SYMLINK ${include_dir})
        file(REMOVE ${include_dir})
    endif()
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${source_dir} ${source_dir}/*.h)
    foreach(header IN LISTS headers)
        file(CONFIGURE OUTPUT ${include_dir}/${header}
            CONTENT "#include \"${source_dir}/${header}\"\n" @ONLY)
    endforeach()
endfunction()
