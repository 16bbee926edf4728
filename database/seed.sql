-- Rows the system expects in every database.

-- Windows that ask for rights, with the names the rights editor shows.
insert into c_programgroup (programname, programchname) values ('usergroup', '用户组设置维护');
insert into c_programgroup (programname, programchname) values ('useraddmdo', '系统用户维护');
insert into c_programgroup (programname, programchname) values ('jzform', '机组信息设置');
insert into c_programgroup (programname, programchname) values ('khform', '客户信息维护');
insert into c_programgroup (programname, programchname) values ('procform', '产品型号规格设置');
insert into c_programgroup (programname, programchname) values ('bzform', '班组信息维护');
insert into c_programgroup (programname, programchname) values ('employeeform', '员工信息维护');
insert into c_programgroup (programname, programchname) values ('rkform', '货物称重入库功能');
insert into c_programgroup (programname, programchname) values ('ckform', '货物出库功能');
insert into c_programgroup (programname, programchname) values ('tkform', '已出库货物退库操作');

-- Item status names.
insert into c_main_sts (sts_id, sts_name) values ('00', '在库');
insert into c_main_sts (sts_id, sts_name) values ('01', '退库在库');
insert into c_main_sts (sts_id, sts_name) values ('10', '已出库');
insert into c_main_sts (sts_id, sts_name) values ('20', '已删除');
insert into c_main_sts (sts_id, sts_name) values ('30', '已称重未入库');
insert into c_main_sts (sts_id, sts_name) values ('31', '待出库');
insert into c_main_sts (sts_id, sts_name) values ('32', '待退库');

insert into c_compmsg (compname, compphone) values ('Velmora线缆制品有限公司', '0512-66887700');

-- The bootstrap administrator "系统管理员" (never deleted by the users editor) in the group
-- "管理员", which holds every right. The password is an argon2id hash of the default password.
insert into c_user_table (username, userpasswd, user_crt_date, userlevel)
values ('系统管理员', '$argon2id$v=19$m=65536,t=2,p=1$NLqzCFWBPLzbr+iA9mvtdg$ivfabETe4Ev2ewaggas0PmVa89+gqWExGbZaL+CCUAE',
        '2026-01-01 00:00:00', '管理员');
insert into c_usergroup (groupname, progname, groupauth1, groupauth2)
select '管理员', programchname, '1', '1' from c_programgroup;

-- Field dictionary of the report designer: the item table's columns and their captions.
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'serialno', '产品编号');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'count_num', '产品序号');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'enter_date', '称重日期');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'groupno', '入库单号');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'proc_mod', '产品型号');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'proc_mod1', '产品规格');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'proc_weight', '毛重');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'proc_net_wt', '净重');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'proc_emp', '生产工号');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'proc_bz', '生产班组');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'proc_jz', '生产机组');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'sh_emp', '入库审核');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'jy_emp', '产品检验');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'op_emp', '入库操作');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'rk_date', '入库日期');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'station_no', '入库工作站');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'proc_sts', '产品状态');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'ck_date', '出库日期');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'ck_groupno', '出库单号');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'ck_station_no', '出库工作站');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'ck_op_emp', '出库人员');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'ck_comp', '相关单位');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'ck_sh_emp', '出库审核');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'tk_date', '退库日期');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'tk_groupno', '退库单号');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'tk_station_no', '退库工作站');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'tk_op_emp', '退库人员');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'tk_sh_emp', '退库审核');
insert into c_fieldname (tablename, fieldname, fieldchname) values ('c_proc_main', 'tk_yy', '退库原因');
