-- Report definitions of the three order sheets, matching reportmodel/rkreport.cel, ckreport.cel
-- and tkreport.cel: the staged items of the order in progress (status 30 stock-in, 31 stock-out,
-- 32 return), single cells for the order head and one band row per item.

insert into c_reportname (reportname, reportchname, tablename, reportsql)
values ('rkreport', '产品入库单', 'c_proc_main',
        'select serialno,groupno,proc_mod,proc_mod1,proc_weight,proc_net_wt,op_emp,rk_date from c_proc_main where proc_sts=''30'' order by serialno');
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('rkreport', 'groupno', '入库单号', 2, 2, 0);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('rkreport', 'rk_date', '入库日期', 2, 5, 0);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('rkreport', 'serialno', '产品编号', 4, 1, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('rkreport', 'proc_mod', '产品型号', 4, 2, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('rkreport', 'proc_mod1', '产品规格', 4, 3, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('rkreport', 'proc_weight', '毛重', 4, 4, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('rkreport', 'proc_net_wt', '净重', 4, 5, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('rkreport', 'op_emp', '入库操作', 4, 6, 1);

insert into c_reportname (reportname, reportchname, tablename, reportsql)
values ('ckreport', '产品出库单', 'c_proc_main',
        'select serialno,ck_groupno,ck_date,ck_comp,proc_mod,proc_mod1,proc_weight,proc_net_wt,ck_op_emp from c_proc_main where proc_sts=''31'' order by serialno');
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('ckreport', 'ck_groupno', '出库单号', 2, 2, 0);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('ckreport', 'ck_date', '出库日期', 2, 5, 0);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('ckreport', 'ck_comp', '相关单位', 3, 2, 0);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('ckreport', 'serialno', '产品编号', 5, 1, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('ckreport', 'proc_mod', '产品型号', 5, 2, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('ckreport', 'proc_mod1', '产品规格', 5, 3, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('ckreport', 'proc_weight', '毛重', 5, 4, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('ckreport', 'proc_net_wt', '净重', 5, 5, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('ckreport', 'ck_op_emp', '出库人员', 5, 6, 1);

insert into c_reportname (reportname, reportchname, tablename, reportsql)
values ('tkreport', '产品退库单', 'c_proc_main',
        'select serialno,tk_groupno,tk_date,tk_yy,proc_mod,proc_mod1,proc_net_wt,ck_groupno,tk_op_emp from c_proc_main where proc_sts=''32'' order by serialno');
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('tkreport', 'tk_groupno', '退库单号', 2, 2, 0);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('tkreport', 'tk_date', '退库日期', 2, 5, 0);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('tkreport', 'tk_yy', '退库原因', 3, 2, 0);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('tkreport', 'serialno', '产品编号', 5, 1, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('tkreport', 'proc_mod', '产品型号', 5, 2, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('tkreport', 'proc_mod1', '产品规格', 5, 3, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('tkreport', 'proc_net_wt', '净重', 5, 4, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('tkreport', 'ck_groupno', '出库单号', 5, 5, 1);
insert into c_report_setup (reportname, table_name, field_name, row_num, col_num, repeatnum) values ('tkreport', 'tk_op_emp', '退库人员', 5, 6, 1);
