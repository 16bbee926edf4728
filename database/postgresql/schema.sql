-- Korvell database, PostgreSQL.
-- Column order matters: windows read "select *" by position.

-- len(text): characters without trailing blanks, as the windows' queries use it.
create function len(text) returns integer language sql immutable strict
as $$ select length(rtrim($1, ' ')) $$;

-- Item record, one row per weighed package.
create table c_proc_main (
    serialno      varchar(30) not null primary key,
    count_num     integer,
    enter_date    timestamp(0),
    groupno       varchar(20),
    proc_mod      varchar(50),
    proc_mod1     varchar(50),
    proc_weight   numeric,
    proc_net_wt   numeric,
    proc_emp      varchar(20),
    proc_bz       varchar(20),
    proc_jz       varchar(20),
    sh_emp        varchar(20),
    jy_emp        varchar(20),
    op_emp        varchar(50),
    rk_date       date,
    station_no    varchar(10),
    proc_sts      char(2) not null default '30',
    ck_date       date,
    ck_groupno    varchar(20) default '',
    ck_station_no varchar(10),
    ck_op_emp     varchar(50),
    ck_comp       varchar(100),
    ck_sh_emp     varchar(50),
    tk_date       date,
    tk_groupno    varchar(20) default '',
    tk_station_no varchar(10),
    tk_op_emp     varchar(50),
    tk_sh_emp     varchar(50),
    tk_yy         varchar(200)
);
-- The day's and station's highest numbers come from these indexes alone.
create index ix_proc_main_rk_station on c_proc_main (rk_date, station_no, groupno);
create index ix_proc_main_groupno on c_proc_main (groupno);
create index ix_proc_main_ck_groupno on c_proc_main (ck_groupno);
create index ix_proc_main_tk_groupno on c_proc_main (tk_groupno);
create index ix_proc_main_sts on c_proc_main (proc_sts);
-- The combined product query by model, and by model within a range of stock-in days.
create index ix_proc_main_mod on c_proc_main (proc_mod, rk_date);
create index ix_proc_main_ck_date on c_proc_main (ck_date, ck_station_no, ck_groupno);
create index ix_proc_main_tk_date on c_proc_main (tk_date, tk_station_no, tk_groupno);

create table c_main_sts (
    sts_id   char(2) not null primary key,
    sts_name varchar(50)
);

-- Master data.
create table c_procname (
    procid     varchar(50) not null primary key,
    procname   varchar(50),
    procmsg    varchar(100),
    nullweight numeric
);
create table c_bzname (
    bzid   varchar(20) not null primary key,
    bzname varchar(50),
    bzmsg  varchar(50),
    bzdesc varchar(200)
);
create table c_jzname (
    jzid   varchar(20) not null primary key,
    jzname varchar(50),
    jzmsg  varchar(50),
    jzdesc varchar(200)
);
create table c_employee (
    emp_id   varchar(20) not null primary key,
    emp_name varchar(50),
    bz_id    varchar(20),
    jz_id    varchar(20),
    emp_desc varchar(200)
);
create index ix_employee_bz on c_employee (bz_id);
create table c_custom (
    cust_name  varchar(100) not null primary key,
    cust_man   varchar(50),
    cust_phone varchar(50),
    cust_addr  varchar(200),
    cust_desc  varchar(200)
);

-- Users, groups and rights. userpasswd holds an argon2id hash string.
create table c_user_table (
    username      varchar(50) not null primary key,
    userpasswd    varchar(128),
    user_crt_date timestamp(0),
    userlevel     varchar(50)
);
create table c_usergroup (
    groupname  varchar(50) not null,
    progname   varchar(100) not null,
    groupauth1 varchar(1),
    groupauth2 varchar(1),
    primary key (groupname, progname)
);
create table c_programgroup (
    programname   varchar(50) not null primary key,
    programchname varchar(100)
);

create table c_log (
    logdate  timestamp(0),
    username varchar(50),
    logmsg   varchar(200)
);
create index ix_log_date on c_log (logdate);

create table c_compmsg (
    compname  varchar(100),
    compphone varchar(50)
);

-- Report definitions and the report designer's field dictionary.
create table c_reportname (
    reportname   varchar(50) not null primary key,
    reportchname varchar(100),
    tablename    varchar(50),
    reportsql    text
);
create table c_report_setup (
    reportname varchar(50),
    table_name varchar(50),
    field_name varchar(100),
    row_num    integer,
    col_num    integer,
    repeatnum  integer
);
create index ix_report_setup_name on c_report_setup (reportname);
create table c_fieldname (
    tablename   varchar(50),
    fieldname   varchar(50),
    fieldchname varchar(100)
);

-- The item table under Chinese column names; every date column has 日期 in its name.
create view proc_main as
select serialno      as 产品编号,
       count_num     as 产品序号,
       enter_date    as 称重日期,
       groupno       as 入库单号,
       proc_mod      as 产品型号,
       proc_mod1     as 产品规格,
       proc_weight   as 毛重,
       proc_net_wt   as 净重,
       proc_emp      as 生产工号,
       proc_bz       as 生产班组,
       proc_jz       as 生产机组,
       sh_emp        as 入库审核,
       jy_emp        as 产品检验,
       op_emp        as 入库操作,
       rk_date       as 入库日期,
       station_no    as 入库工作站,
       proc_sts      as 产品状态,
       ck_date       as 出库日期,
       ck_groupno    as 出库单号,
       ck_station_no as 出库工作站,
       ck_op_emp     as 出库人员,
       ck_comp       as 相关单位,
       ck_sh_emp     as 出库审核,
       tk_date       as 退库日期,
       tk_groupno    as 退库单号,
       tk_station_no as 退库工作站,
       tk_op_emp     as 退库人员,
       tk_sh_emp     as 退库审核,
       tk_yy         as 退库原因
from c_proc_main;
