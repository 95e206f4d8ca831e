# haomiso_form_resources(TARGET FILE...)
# Compiles each form description (a .dfm text) into TARGET as an RCDATA
# resource named after the file without its extension. Name each file after
# its form class (TFrmMain.dfm): a form reads the resource named after its
# class when it is created (resource names ignore case).
function(haomiso_form_resources target)
  foreach(file IN LISTS ARGN)
    get_filename_component(path ${file} ABSOLUTE)
    get_filename_component(name ${file} NAME_WE)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_${name}.rc)
    file(GENERATE OUTPUT ${rc} CONTENT "${name} RCDATA \"${path}\"\n")
    set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS ${path})
    target_sources(${target} PRIVATE ${rc})
  endforeach()
endfunction()
