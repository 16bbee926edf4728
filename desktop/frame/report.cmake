# korvell_report: the report template filler LoadReport (data access + the grid's sheet model).
add_library(korvell_report STATIC ${CMAKE_CURRENT_LIST_DIR}/loadreport.cpp)
target_link_libraries(korvell_report PUBLIC korvell_data grid_model)
