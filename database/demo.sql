-- Demo master data for trying the program: products with their reel tare, teams (1001 the
-- inspectors, 1002 the weighing and stock-in staff), machine groups, employees, customers.

insert into c_procname (procid, procname, procmsg, nullweight) values ('DLX-035', '0.35', '漆包铜圆线', 1.2);
insert into c_procname (procid, procname, procmsg, nullweight) values ('DLX-050', '0.5', '漆包铜圆线', 1.2);
insert into c_procname (procid, procname, procmsg, nullweight) values ('DLX-120', '1.2', '漆包铜圆线', 2.5);
insert into c_procname (procid, procname, procmsg, nullweight) values ('LX-080', '0.8', '镀锡铜线', 1.8);
insert into c_procname (procid, procname, procmsg, nullweight) values ('LX-250', '2.5', '裸铜线', 3.6);

insert into c_bzname (bzid, bzname, bzmsg, bzdesc) values ('1001', '质检组', '周敏', '检验员');
insert into c_bzname (bzid, bzname, bzmsg, bzdesc) values ('1002', '称重入库组', '吴刚', '称重及入库');
insert into c_bzname (bzid, bzname, bzmsg, bzdesc) values ('2001', '拉丝甲班', '郑强', '');
insert into c_bzname (bzid, bzname, bzmsg, bzdesc) values ('2002', '拉丝乙班', '陈雪', '');
insert into c_bzname (bzid, bzname, bzmsg, bzdesc) values ('2003', '漆包丙班', '冯涛', '');

insert into c_jzname (jzid, jzname, jzmsg, jzdesc) values ('J01', '一号拉丝机组', '郑强', '');
insert into c_jzname (jzid, jzname, jzmsg, jzdesc) values ('J02', '二号拉丝机组', '陈雪', '');
insert into c_jzname (jzid, jzname, jzmsg, jzdesc) values ('J03', '漆包机组', '冯涛', '');

insert into c_employee (emp_id, emp_name, bz_id, jz_id, emp_desc) values ('0101', '周敏', '1001', '', '检验员');
insert into c_employee (emp_id, emp_name, bz_id, jz_id, emp_desc) values ('0102', '孙丽', '1001', '', '检验员');
insert into c_employee (emp_id, emp_name, bz_id, jz_id, emp_desc) values ('0201', '吴刚', '1002', '', '称重');
insert into c_employee (emp_id, emp_name, bz_id, jz_id, emp_desc) values ('0202', '钱芳', '1002', '', '入库审核');
insert into c_employee (emp_id, emp_name, bz_id, jz_id, emp_desc) values ('1101', '郑强', '2001', 'J01', '');
insert into c_employee (emp_id, emp_name, bz_id, jz_id, emp_desc) values ('1102', '王磊', '2001', 'J01', '');
insert into c_employee (emp_id, emp_name, bz_id, jz_id, emp_desc) values ('1201', '陈雪', '2002', 'J02', '');
insert into c_employee (emp_id, emp_name, bz_id, jz_id, emp_desc) values ('1301', '冯涛', '2003', 'J03', '');

insert into c_custom (cust_name, cust_man, cust_phone, cust_addr, cust_desc)
values ('华东电机有限公司', '李明', '021-55501234', '上海市闵行区', '');
insert into c_custom (cust_name, cust_man, cust_phone, cust_addr, cust_desc)
values ('南方变压器厂', '黄静', '020-66602345', '广州市番禺区', '月结');
insert into c_custom (cust_name, cust_man, cust_phone, cust_addr, cust_desc)
values ('北辰电器', '赵军', '010-77703456', '北京市大兴区', '');
